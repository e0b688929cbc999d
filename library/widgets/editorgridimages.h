#pragma once

class Grid;

// The pictures the editors' line grids show: "del" in the delete column and
// "carNo" for the kind menu.
namespace EditorGridImages {

void addTo(Grid &grid);

} // namespace EditorGridImages
