#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream(stdout) << "usage: plotwright-cli COMMAND ...\n";
    return 0;
}
