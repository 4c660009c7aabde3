#pragma once
#include <array>
#include <cstdint>

// The goods tables of the trade view: four columns under a rule, one 12-pixel
// row per good. Coordinates are the table's container coordinates.
namespace dh {

class GuiHRule;
class GuiWidget;

struct TableRow {
    const char* name;
    // Bar length in pixels (at most 100) and its red and green.
    int barLength;
    float red;
    float green;
    std::uint32_t count;
    float price;
};

// The row under the point among rows listed rows, or -1. Only a table the
// pointer is over has a row under it.
int tableRowAt(const GuiWidget& table, int px, int py, int rows);
// A row met by the pointer for the first time plays the row sound.
void selectRow(int row, int& selectedRow);
// The black background and, when row is not -1, its highlight band.
void paintTableBackground(const GuiWidget& table, int row);
void paintTableHeader(const GuiWidget& table, GuiHRule& rule, const std::array<const char*, 4>& headers);
void paintTableRow(const GuiWidget& table, int row, const TableRow& content);
// Bar of a stock level: 0 at no stock, 1 at 200 units or more.
float stockFraction(std::uint32_t stock);

}
