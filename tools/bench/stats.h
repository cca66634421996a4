// Summaries of a series of measurements.
#pragma once

#include <vector>

// The middle value (the mean of the two middle ones for an even count); 0 when empty.
double Median(std::vector<double> values);
double Smallest(const std::vector<double>& values);
double Largest(const std::vector<double>& values);
