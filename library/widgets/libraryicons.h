#pragma once

#include <QIcon>

// The pictures of the library and rooms trees: a folder for a category, a sheet
// for an item and a plus sign for the "添加定额" node.
namespace LibraryIcons {

QIcon category();
QIcon item();
QIcon addItem();

} // namespace LibraryIcons
