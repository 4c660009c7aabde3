#include "screens/DockTable.h"

#include "audio/SoundEffects.h"
#include "gui/GuiHRule.h"
#include "screens/DockDrawing.h"

#include <GL/gl.h>
#include <algorithm>

namespace dh {

namespace {

constexpr std::array<int, 4> kColumns = {8, 128, 280, 384};

int rowTop(const GuiWidget& table, int row)
{
    return table.y + 30 + 12 * row;
}

}

int tableRowAt(const GuiWidget& table, int px, int py, int rows)
{
    if (!table.hovered || px < table.x || px >= table.x + table.width || py < table.y + 30 ||
        py >= table.y + table.height)
        return -1;
    const int row = (py - table.y - 30) / 12;
    return row < rows ? row : -1;
}

void selectRow(int row, int& selectedRow)
{
    if (row != selectedRow) {
        playSound(sample::tradeItemOver);
        selectedRow = row;
    }
}

void paintTableBackground(const GuiWidget& table, int row)
{
    fillBlack(table.x, table.y, table.width, table.height);
    if (row < 0)
        return;
    glColor4f(0.2f, 0.2f, 0.2f, 1.0f);
    fillQuad(table.x, rowTop(table, row), table.x + table.width, rowTop(table, row) + 12);
}

void paintTableHeader(const GuiWidget& table, GuiHRule& rule, const std::array<const char*, 4>& headers)
{
    for (std::size_t i = 0; i < headers.size(); ++i)
        drawSmallText(headers[i], table.x + kColumns[i], table.y + 8);
    rule.x = table.x + 8;
    rule.y = table.y + 20;
    rule.width = std::max(table.width - 16, 0);
    rule.height = 4;
    rule.onPaint();
}

void paintTableRow(const GuiWidget& table, int row, const TableRow& content)
{
    const int top = rowTop(table, row) + 2;
    drawSmallText(content.name, table.x + kColumns[0], top);
    glColor4f(content.red, content.green, 0.0f, 1.0f);
    fillQuad(table.x + kColumns[1], top, table.x + kColumns[1] + content.barLength, top + 8);
    drawSmallText(formatLine("%1u", content.count).data(), table.x + kColumns[2], top);
    drawSmallText(formatLine("Cr %1.2f", static_cast<double>(content.price)).data(), table.x + kColumns[3], top);
}

float stockFraction(std::uint32_t stock)
{
    return static_cast<float>(std::min<std::uint32_t>(stock, 200)) * 0.005f;
}

}
