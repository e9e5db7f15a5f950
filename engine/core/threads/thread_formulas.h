#pragma once

#include "core/threads/thread_tolerance_tables.h"

#include <optional>

// The formulas ISO 965-1 (clause 10) builds its tables from, before rounding, in micrometres, with
// the pitch P and the diameter in millimetres. The tables are the standard's values and the engine
// computes from them alone; the formulas are kept to check the tables against (most cells are the
// formula rounded to the R40 series, with its decimals dropped).

// EI_G = +(15 + 11P), es_e = -(50 + 11P), es_f = -(30 + 11P), es_g = -(15 + 11P); H, h 0.
double FormulaDeviationUm(ThreadPosition position, double pitchMm);

// Td(6) = 180 P^(2/3) - 3.15 / sqrt(P); Td(4) = 0.63 Td(6), Td(8) = 1.6 Td(6).
double FormulaBoltMajorUm(int grade, double pitchMm);

// TD1(6) = 433 P - 190 P^1.22 for P from 0.2 to 0.8 mm, 230 P^0.7 from 1 mm;
// TD1(4, 5, 7, 8) = 0.63, 0.8, 1.25, 1.6 TD1(6).
double FormulaNutMinorUm(int grade, double pitchMm);

// Td2(6) = 90 P^0.4 d^0.1, d the geometric mean of the range's bounds;
// Td2(3, 4, 5, 7, 8, 9) = 0.5, 0.63, 0.8, 1.25, 1.6, 2 Td2(6).
double FormulaBoltPitchUm(int grade, int diameterRange, double pitchMm);

// TD2(4, 5, 6, 7, 8) = 0.85, 1.06, 1.32, 1.7, 2.12 Td2(6).
double FormulaNutPitchUm(int grade, int diameterRange, double pitchMm);

// The factors of the other grades: Td(grade) = factor x Td(6), and so on; 0 for a grade the
// tolerance does not have. The standard multiplies grade 6 already rounded to R40.
double BoltMajorGradeFactor(int grade);
double NutMinorGradeFactor(int grade);
double BoltPitchGradeFactor(int grade);
double NutPitchGradeFactor(int grade); // of Td2(6), for every grade of TD2

// The value of the R40 series (ISO 3, 40 steps a decade: 1, 1.06, 1.12, ... 9.5) nearest to a
// positive value.
double NearestR40(double value);
