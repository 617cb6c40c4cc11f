#pragma once

// Darcy friction factor of a pipe flow: 64/Re below Re 2320, above it the
// Colebrook-White equation solved by Newton's method from 0.005.
// eps is the relative roughness k / (4 Rh).
double FrictionFactor(double re, double eps);
