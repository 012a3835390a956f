#include "gui/controls/tab_style.h"

#include "gui/controls/assign.h"

namespace norvane {

TTabStyle::TTabStyle(QObject* parent) : QObject(parent) {}

void TTabStyle::SetActiveFontColor(Colour value) {
    if (Assign(activeFontColor_, value)) emit changed();
}
void TTabStyle::SetActiveTabColor(Colour value) {
    if (Assign(activeTabColor_, value)) emit changed();
}
void TTabStyle::SetPassiveFontColor(Colour value) {
    if (Assign(passiveFontColor_, value)) emit changed();
}
void TTabStyle::SetPassiveTabColor(Colour value) {
    if (Assign(passiveTabColor_, value)) emit changed();
}
void TTabStyle::SetTabFontStyle(FontStyles value) {
    if (Assign(tabFontStyle_, value)) emit changed();
}

}  // namespace norvane
