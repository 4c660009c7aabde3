#include "gui/GuiWidgetSlots.h"

namespace dh {

GuiWidget* addToSlots(GuiWidgetSlots& slots, std::unique_ptr<GuiWidget> widget)
{
    for (std::size_t i = kWidgetSlots; i-- > 0;) {
        if (!slots[i]) {
            slots[i] = std::move(widget);
            return slots[i].get();
        }
    }
    return nullptr;
}

void dispatchMouseMove(GuiWidgetSlots& slots, int x, int y)
{
    for (const std::unique_ptr<GuiWidget>& widget : slots) {
        if (!widget || !widget->enabled)
            continue;
        if (widget->contains(x, y)) {
            if (!widget->hovered) {
                widget->hovered = true;
                widget->onMouseEnter(x, y);
            }
            widget->onMouseMove(x, y);
        } else if (widget->hovered) {
            widget->hovered = false;
            widget->onMouseLeave();
        }
    }
}

GuiWidget* hitWidget(const GuiWidgetSlots& slots, int x, int y)
{
    for (const std::unique_ptr<GuiWidget>& widget : slots)
        if (widget && widget->enabled && widget->contains(x, y))
            return widget.get();
    return nullptr;
}

void leaveAll(GuiWidgetSlots& slots)
{
    for (const std::unique_ptr<GuiWidget>& widget : slots) {
        if (widget && widget->hovered) {
            widget->hovered = false;
            widget->onMouseLeave();
        }
    }
}

}
