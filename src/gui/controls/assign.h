#pragma once
// The controls' property setters repaint or relayout only when a value changes.

namespace norvane {

// Stores `value` in `field`; true when that changed it.
template <typename T>
bool Assign(T& field, const T& value) {
    if (field == value) return false;
    field = value;
    return true;
}

}  // namespace norvane
