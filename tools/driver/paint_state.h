#pragma once
#include "png_capture.h"
