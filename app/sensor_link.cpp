#include "sensor_link.h"
