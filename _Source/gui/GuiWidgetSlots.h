#pragma once
#include <array>
#include <cstddef>
#include <memory>

#include "gui/GuiWidget.h"

// The 128 owned widget slots of a screen or panel and the dispatch both share.
// Slots fill from 127 down; slot 0 is the top of the pile, so hit-testing runs
// from 0 and painting from 127.
namespace dh {

inline constexpr std::size_t kWidgetSlots = 128;
using GuiWidgetSlots = std::array<std::unique_ptr<GuiWidget>, kWidgetSlots>;

// Stores the widget in the highest empty slot and returns it; when every slot
// is taken the widget is deleted and the result is null.
GuiWidget* addToSlots(GuiWidgetSlots& slots, std::unique_ptr<GuiWidget> widget);

// Hover tracking: every enabled widget learns whether the point is inside it.
void dispatchMouseMove(GuiWidgetSlots& slots, int x, int y);

// The first enabled widget, from slot 0, whose rectangle holds the point.
GuiWidget* hitWidget(const GuiWidgetSlots& slots, int x, int y);

// Every hovered widget is told the pointer has gone.
void leaveAll(GuiWidgetSlots& slots);

}
