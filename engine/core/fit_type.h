#pragma once

// Clearance, transition or interference fit. The numbers are the main dialog's list positions of
// its three preferred-fit lists.
enum class FitType { Clearance = 0, Transition = 1, Interference = 2 };
