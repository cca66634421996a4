#pragma once
#include "frame_probe.h"
