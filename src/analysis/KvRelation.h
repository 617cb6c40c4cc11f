// A valve's flow coefficient Kv (m³/h) against the sum of local loss
// coefficients Σζ, for a cross-section F (m²). The density does not enter.
#pragma once

// Kv = √(2 / Σζ) × 36000 × F; Σζ = 0 gives an infinite Kv.
double KvFromZeta(double zeta, double area);

// Σζ = 2 × (36000 × F)² / Kv²; Kv = 0 gives an infinite Σζ.
double ZetaFromKv(double kv, double area);
