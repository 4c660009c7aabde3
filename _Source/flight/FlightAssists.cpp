#include "flight/FlightAssists.h"

namespace dh {

bool g_flightAssists = false;

}
