#pragma once
#include "registry_view.h"
