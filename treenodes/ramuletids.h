#pragma once

#include <cstdint>

// The identities under which the grid control knows the library: the type library,
// the ProgIDs, the GUIDs and the dispatch identifiers of every member.
namespace Ramulet {

inline constexpr char TypeLibraryName[] = "Ramulet";
inline constexpr char NodeProgId[] = "Ramulet.Node";
inline constexpr char NodesProgId[] = "Ramulet.Nodes";

namespace Guid {
inline constexpr char NodeInterface[] = "{B1B53682-B541-4B7D-B3C5-B04BECBDC193}";
inline constexpr char NodeClass[] = "{8743D9C6-67C0-4CF1-B925-7E4307C55F06}";
inline constexpr char NodesInterface[] = "{D8D52504-DFD1-4275-B6AA-DF42E06D8BBC}";
inline constexpr char NodesClass[] = "{58665865-DEB6-4AF5-A714-49D44A8632B7}";
inline constexpr char TypeLibrary[] = "{FDB48664-FF15-4B56-9966-375DE5190D6E}";
} // namespace Guid

// Members of _Node; a read-write property uses one identifier for its getter and setter.
namespace NodeDispId {
inline constexpr std::int32_t AbsIndex = 0x6803000D;
inline constexpr std::int32_t PrevNode = 0x6803000C;
inline constexpr std::int32_t NextNode = 0x6803000B;
inline constexpr std::int32_t Root = 0x6803000A;
inline constexpr std::int32_t VisibleNodesCount = 0x68030009;
inline constexpr std::int32_t Parent = 0x68030008;
inline constexpr std::int32_t Level = 0x68030007;
inline constexpr std::int32_t Key = 0x68030006;
inline constexpr std::int32_t Text = 0x68030005;
inline constexpr std::int32_t HasChildren = 0x68030004;
inline constexpr std::int32_t Nodes = 0x68030003;
inline constexpr std::int32_t Expanded = 0x68030002;
inline constexpr std::int32_t Visible = 0x68030001;
inline constexpr std::int32_t ChildrenCount = 0x68030000;
inline constexpr std::int32_t Collapse = 0x60030015;
inline constexpr std::int32_t Expand = 0x60030016;
inline constexpr std::int32_t ExpandAll = 0x60030017;
inline constexpr std::int32_t LevelUp = 0x60030018;
inline constexpr std::int32_t LevelDown = 0x60030019;
inline constexpr std::int32_t MoveUp = 0x6003001A;
inline constexpr std::int32_t MoveDown = 0x6003001B;
inline constexpr std::int32_t FindNode = 0x6003001C;
} // namespace NodeDispId

// Members of _Nodes.
namespace NodesDispId {
inline constexpr std::int32_t FirstNode = 0x68030003;
inline constexpr std::int32_t LastNode = 0x68030002;
inline constexpr std::int32_t Item = 0x68030001;
inline constexpr std::int32_t Owner = 0x68030000;
inline constexpr std::int32_t Add = 0x60030004;
inline constexpr std::int32_t AddChildNodes = 0x60030005;
inline constexpr std::int32_t Clear = 0x60030006;
inline constexpr std::int32_t Count = 0x60030007;
inline constexpr std::int32_t InsertBefore = 0x60030008;
inline constexpr std::int32_t InsertAfter = 0x60030009;
inline constexpr std::int32_t Remove = 0x6003000A;
} // namespace NodesDispId

} // namespace Ramulet
