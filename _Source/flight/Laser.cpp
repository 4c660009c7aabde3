#include "flight/Laser.h"

namespace dh {

void Laser::cool(float amount)
{
    heat -= amount;
    if (heat < 0.0f) {
        heat = 0.0f;
    }
}

}
