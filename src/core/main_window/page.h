#pragma once
// The main window's seven pages, numbered as their tabs from the left. The
// number is also what "Option" "Page" stores.
#include <optional>

namespace norvane {

enum class Page { Timer, Ship, Guild, Racial, Chocobo, Skill, Calendar };

inline constexpr int kPageCount = 7;

constexpr int PageIndex(Page page) { return static_cast<int>(page); }

// The page of tab `index`; none for an index outside the tabs (a hand-edited setting).
constexpr std::optional<Page> PageAt(int index) {
    if (index < 0 || index >= kPageCount) return std::nullopt;
    return static_cast<Page>(index);
}

}  // namespace norvane
