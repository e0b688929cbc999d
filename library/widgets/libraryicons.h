#pragma once

#include "library/templateslots.h"

#include <QIcon>

// The pictures of the library and rooms trees: a folder for a category, a sheet
// for an item and a plus sign for the "添加定额" node; and the pictures of the
// template slots, which tell the main library, plain and locked templates and
// the current one apart.
namespace LibraryIcons {

QIcon category();
QIcon item();
QIcon addItem();
QIcon templateIcon(TemplateSlots::Icon icon);

} // namespace LibraryIcons
