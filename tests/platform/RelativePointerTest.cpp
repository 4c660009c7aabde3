#include "platform/RelativePointer.h"

#include <gtest/gtest.h>

using dh::RelativePointer;

TEST(RelativePointer, WhereThePointerMovesTheRealPointerIsUsedThroughout)
{
    RelativePointer pointer;
    pointer.capture(true, 300, 200);
    EXPECT_FALSE(pointer.active());
    pointer.capture(false, 300, 200);
    EXPECT_FALSE(pointer.active());
}

TEST(RelativePointer, AfterARefusedMoveACapturedPointerFollowsItsMotionFromWhereTheGameSetIt)
{
    RelativePointer pointer;
    // Steering starts: the pointer is captured over the window, then the
    // move to the window's centre (399, 299) is refused.
    pointer.capture(true, 120, 80);
    EXPECT_FALSE(pointer.active());
    pointer.refuseMove(399, 299);
    ASSERT_TRUE(pointer.active());
    EXPECT_EQ(pointer.x(), 399);
    EXPECT_EQ(pointer.y(), 299);

    // A frame: 40 pixels left and 5 down, read, then put back to the centre.
    pointer.moveBy(-25, 2);
    pointer.moveBy(-15, 3);
    EXPECT_EQ(pointer.x(), 359);
    EXPECT_EQ(pointer.y(), 304);
    pointer.moveTo(399, 299);
    // The shape set again at a paint does not lose the motion.
    pointer.moveBy(7, -1);
    pointer.capture(true, 120, 80);
    EXPECT_EQ(pointer.x(), 406);
    EXPECT_EQ(pointer.y(), 298);

    pointer.capture(false, 120, 80);
    EXPECT_FALSE(pointer.active());

    // The refusal is remembered: the next drag follows the motion at once,
    // from where the real pointer is.
    pointer.capture(true, 500, 100);
    ASSERT_TRUE(pointer.active());
    EXPECT_EQ(pointer.x(), 500);
    EXPECT_EQ(pointer.y(), 100);
}
