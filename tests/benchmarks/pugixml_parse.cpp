// The yardstick of the whole-process benchmarks: a process that reads one file
// and parses it into a pugixml DOM, nothing else. Exit 0 when it parsed.
#include <pugixml.hpp>

#include <cstdio>
#include <vector>

int main(int argc, char **argv)
{
    if (argc != 2)
        return 2;
    std::FILE *file = std::fopen(argv[1], "rb");
    if (!file)
        return 2;
    std::vector<char> bytes;
    char chunk[1 << 16];
    for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, file)) > 0;)
        bytes.insert(bytes.end(), chunk, chunk + n);
    std::fclose(file);
    pugi::xml_document document;
    return document.load_buffer(bytes.data(), bytes.size()) ? 0 : 1;
}
