#pragma once

// The two lists built from the items' resource lines: material lines carry loss
// and tax, machine-shift lines carry neither.
enum class ResourceListKind { Material, Machine };
