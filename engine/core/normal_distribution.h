#pragma once

// Probability that a normally distributed quantity with this mean and standard deviation lies above
// the threshold. A standard deviation of zero is a certain value: 1 above the threshold, 0 below it
// and one half exactly at it, so that "above" and "below" still add up to 1.
double NormalProbabilityAbove(double mean, double standardDeviation, double threshold);
