#include "flight/Player.h"

#include "flight/GameObject_Ship.h"

namespace dh {

GameObject_Ship* Player::ship() const
{
    return shipRef != nullptr ? static_cast<GameObject_Ship*>(shipRef->object) : nullptr;
}

}
