#pragma once
#include "persistence/SaveTestSupport.h"

// A valid save file made by hand: Halvard in Viovio flying a Fighter Mark II,
// with two remembered systems.
namespace savetest {

constexpr std::uint32_t kViovioX = 23946579u, kViovioY = 23624208u;
constexpr std::uint32_t kCroatX = 23946578u, kCroatY = 23624205u;
constexpr std::uint32_t kMidedX = 23946580u, kMidedY = 23624206u;
// A cell next to Croat that holds no star.
constexpr std::uint32_t kEmptyX = 23946576u, kEmptyY = 23624205u;

inline Bytes sampleFile()
{
    Bytes b(5746, 0);
    put32(b, 0, 0x24F01212u);
    put32(b, 4, 0x21474412u);
    put32(b, 8, 0xFC12A566u);
    put32(b, 12, 0xDD134512u);
    putText(b, 16, "Viovio");
    putText(b, 271, "Halvard");
    put64(b, 526, 0x40934A0000000000u);  // 1234.5
    put32(b, 534, 37);
    put32(b, 538, 3);
    put32(b, 542, 0x43164000u);  // 150.25f
    put32(b, 546, 3);
    put32(b, 550, 11);
    const std::uint32_t cargo[8] = {1, 2, 3, 4, 5, 0, 6, 4};
    for (int i = 0; i < 8; ++i)
        put32(b, 554 + 4 * i, cargo[i]);
    put32(b, 586, kCroatX);
    put32(b, 590, kCroatY);
    for (int i = 0; i < 8; ++i)
        put32(b, 594 + 4 * i, 90 + i);
    put32(b, 626, kMidedX);
    put32(b, 630, kMidedY);
    for (int i = 0; i < 8; ++i)
        put32(b, 634 + 4 * i, 1 + i);
    put32(b, 5706, kViovioX);
    put32(b, 5710, kViovioY);
    const std::uint32_t stock[8] = {150, 185, 83, 72, 107, 45, 23, 200};
    for (int i = 0; i < 8; ++i)
        put32(b, 5714 + 4 * i, stock[i]);
    return b;
}

}
