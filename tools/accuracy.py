#!/usr/bin/python3
"""Measures how far Zentaro's property models and unit factors lie from the
reference formulations, and writes the report docs/accuracy.md.

References: IAPWS-IF97 with the IAPWS transport formulations (viscosity 2008,
thermal conductivity 2011, surface tension 2014), from Debian's python3-iapws,
for water and steam; the ASHRAE psychrometric formulas (written out below)
for humid air; the defining values of the units.

    tools/accuracy.py --dump build/tests/zentaro_model_dump
        measures and writes docs/accuracy.md
    tools/accuracy.py --dump ... --check
        measures and fails (exit 1) when an error has grown past the bound
        that docs/accuracy.md states, or when the report lacks a property;
        also when a state whose error passes the threshold of an accuracy
        note is shown without that note.

The dump program (tests/accuracy/model_dump.cpp) runs the models; every
number is compared as SI.
"""

import argparse
import json
import math
import os
import statistics
import subprocess
import sys

try:
    from iapws import IAPWS97, iapws97
    from iapws._iapws import _Viscosity
    from iapws.humidAir import Air
except ImportError:
    sys.exit("accuracy.py needs IAPWS formulations: apt-get install python3-iapws")

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DEFAULT_REPORT = os.path.join(ROOT, "docs", "accuracy.md")
DEFAULT_DUMP = os.path.join(ROOT, "build", "tests", "zentaro_model_dump")

# Message numbers the models answer with.
ACCEPTED = 0
STATE_OUTSIDE_FITS = 11016


def frange(start, stop, step):
    """start, start + step, ... up to stop (inclusive within rounding)."""
    count = int(math.floor((stop - start) / step + 1e-9))
    return [start + i * step for i in range(count + 1)]


def geomspace(start, stop, count):
    ratio = (stop / start) ** (1.0 / (count - 1))
    return [start * ratio ** i for i in range(count - 1)] + [stop]


class Dump:
    """The dump program: one JSON answer per request line."""

    def __init__(self, path):
        if not os.access(path, os.X_OK):
            sys.exit("accuracy.py: no dump program at %s (build the tests first)" % path)
        self.path = path

    def ask(self, requests):
        text = "".join(r + "\n" for r in requests)
        done = subprocess.run([self.path], input=text, capture_output=True, text=True, check=True)
        answers = [json.loads(line) for line in done.stdout.splitlines()]
        if len(answers) != len(requests):
            sys.exit("accuracy.py: %d answers to %d requests" % (len(answers), len(requests)))
        for request, answer in zip(requests, answers):
            if "error" in answer:
                sys.exit("accuracy.py: %s: %s" % (request, answer["error"]))
        return answers


# ---------------------------------------------------------------------------
# Statistics and how a property's errors are described.

class Axis:
    def __init__(self, name, unit, from_si, digits=4):
        self.name, self.unit, self.from_si, self.digits = name, unit, from_si, digits

    def text(self, si):
        return "%s %s" % (fmt(self.from_si(si), self.digits), self.unit)

    def span(self, low, high):
        """"t from 16 to 150 °C", or "t = 0 °C" for a single value."""
        if fmt(self.from_si(low), self.digits) == fmt(self.from_si(high), self.digits):
            return "%s = %s" % (self.name, self.text(low))
        return "%s from %s to %s" % (self.name, fmt(self.from_si(low), self.digits), self.text(high))


def fmt(value, digits=3):
    text = "%.*g" % (digits, value)
    return text.replace("e+0", "e").replace("e+", "e").replace("e-0", "e-")


def ceil_sig(value, digits=3):
    """value rounded up to the given significant digits: a stated bound
    that the measurement it came from never exceeds."""
    if value <= 0:
        return 0.0
    exponent = math.floor(math.log10(value)) - (digits - 1)
    scaled = value / 10.0 ** exponent
    bound = math.ceil(scaled - 1e-9) * 10.0 ** exponent
    while bound < value:
        bound += 10.0 ** exponent
    return float(fmt(bound, digits + 1))


class Property:
    """Model against reference over a sweep; each point has its coordinates
    (SI, one per axis of the section)."""

    def __init__(self, key, name, reference, unit, absolute_unit=None, to_absolute=None, temperature=False):
        self.key, self.name, self.reference, self.unit = key, name, reference, unit
        # Temperatures: their notes go by the absolute error in kelvin.
        self.temperature = temperature
        # Absolute errors are shown in this unit (default: the SI unit).
        self.absolute_unit = absolute_unit or unit
        self.to_absolute = to_absolute or (lambda x: x)
        self.points = []      # (coords, model, reference, scale)
        self.notes = []       # per point

    def add(self, coords, model, reference, scale=None, notes=()):
        """scale: what the error is relative to, the reference value unless
        given; notes: the accuracy notes the model gave the state."""
        scale = reference if scale is None else scale
        # A state where the model gives no value (a dew point below its line)
        # or the reference has none is not compared.
        if model is None or reference is None or not math.isfinite(reference) or scale == 0:
            return
        self.points.append((coords, model, reference, abs(scale)))
        self.notes.append(tuple(notes))

    def errors(self):
        return [abs(m - r) / s for _, m, r, s in self.points]

    def summary(self, axes):
        errors = self.errors()
        worst = max(range(len(errors)), key=lambda i: errors[i])
        absolute = max(abs(self.to_absolute(m) - self.to_absolute(r)) for _, m, r, _ in self.points)
        return {
            "median": statistics.median(errors),
            "largest": errors[worst],
            "where": ", ".join(axis.text(c) for axis, c in zip(axes, self.points[worst][0])),
            "absolute": absolute,
            "under1": self.within(axes, 0.01),
            "under5": self.within(axes, 0.05),
        }

    def within(self, axes, threshold):
        """Where the error stays under the threshold, told along each axis:
        the longest run of grid values at which every point is under it."""
        errors = self.errors()
        if max(errors) < threshold:
            return "everywhere"
        parts = []
        for index, axis in enumerate(axes):
            worst = {}
            for (coords, _, _, _), error in zip(self.points, errors):
                value = coords[index]
                worst[value] = max(worst.get(value, 0.0), error)
            values = sorted(worst)
            best, run = None, []
            for value in values:
                if worst[value] < threshold:
                    run.append(value)
                    if best is None or len(run) > len(best):
                        best = list(run)
                else:
                    run = []
            if best is None or len(values) < 2:
                continue
            other = [a.name for j, a in enumerate(axes) if j != index]
            text = axis.span(best[0], best[-1])
            if other:
                text += " (any %s)" % ", ".join(other)
            parts.append(text)
        return "; ".join(parts) if parts else "nowhere"


class Section:
    def __init__(self, key, title, intro, axes):
        self.key, self.title, self.intro, self.axes = key, title, intro, axes
        self.properties = []
        self.remarks = []

    def property(self, *args, **kwargs):
        p = Property(*args, **kwargs)
        self.properties.append(p)
        return p


class EnthalpyScale:
    """Model and reference count enthalpy from zeros of their own. The
    model's is moved onto the reference's at one state where both are well
    known (the alignment state), and the error is taken relative to the
    reference enthalpy above a zero state at the bottom of the range, so that
    no state of the sweep divides by a difference near 0."""

    def __init__(self, model_aligned, reference_aligned, reference_zero):
        self.shift = model_aligned - reference_aligned
        self.zero = reference_zero

    def add(self, prop, coords, model, reference, notes=()):
        prop.add(coords, model - self.shift, reference, reference - self.zero, notes)


CELSIUS = Axis("t", "°C", lambda k: k - 273.15)
BAR = Axis("p", "bar", lambda pa: pa / 1e5)
HPA = Axis("p", "hPa", lambda pa: pa / 100)
PERCENT = Axis("φ", "%", lambda x: x)


def temperature_property(section, key, name, reference):
    return section.property(key, name, reference, "K", temperature=True)


# ---------------------------------------------------------------------------
# Water: the liquid at 1 atm, at its saturation pressure above the boiling
# point (the model has no pressure dependence).

ATM = 101325.0
# IF97's liquid at the triple point: its zero of internal energy (J/kg).
TRIPLE_POINT_WATER_ENTHALPY = IAPWS97(T=273.16, x=0).h * 1000


def if97_liquid(temperature):
    if iapws97._PSat_T(temperature) * 1e6 < ATM:
        return IAPWS97(T=temperature, P=ATM / 1e6)
    return IAPWS97(T=temperature, x=0)


def measure_water(dump):
    s = Section("water", "Water (273.15 K to 423.15 K)",
                "Reference: IAPWS-IF97 liquid at 101325 Pa, at the saturation pressure above the "
                "normal boiling point; viscosity IAPWS 2008, thermal conductivity IAPWS 2011, "
                "surface tension IAPWS 2014. Enthalpy: the model's zero aligned with IF97's at 0 °C, "
                "the error relative to the enthalpy above water at the triple point. Sweep: every 0.5 K.",
                [CELSIUS])
    temperatures = frange(273.15, 423.15, 0.5)
    answers = dump.ask(["water temperature %r" % t for t in temperatures])
    density = s.property("density", "density ρ", "IF97", "kg/m³")
    expansion = s.property("expansion", "expansion coefficient β", "IF97", "1/K")
    cp = s.property("specific_heat", "specific heat c_p", "IF97", "J/(kg K)")
    enthalpy = s.property("enthalpy", "enthalpy h", "IF97", "J/kg", "kJ/kg", lambda x: x / 1000)
    conductivity = s.property("conductivity", "thermal conductivity λ", "IAPWS 2011", "W/(m K)")
    mu = s.property("dynamic_viscosity", "dynamic viscosity μ", "IAPWS 2008", "Pa s")
    nu = s.property("kinematic_viscosity", "kinematic viscosity ν", "IAPWS 2008, IF97", "m²/s")
    prandtl = s.property("prandtl", "Prandtl number Pr", "IAPWS 2008, 2011, IF97", "–")
    sigma = s.property("surface_tension", "surface tension σ", "IAPWS 2014", "N/m")
    scale = EnthalpyScale(answers[0]["enthalpy"], if97_liquid(273.15).h * 1000, TRIPLE_POINT_WATER_ENTHALPY)
    for t, a in zip(temperatures, answers):
        assert a["messages"] == [ACCEPTED], a
        r = if97_liquid(t)
        c = (t,)
        density.add(c, a["density"], r.rho, notes=a["notes"])
        expansion.add(c, a["expansion"], r.alfav, notes=a["notes"])
        cp.add(c, a["specific_heat"], r.cp * 1000, notes=a["notes"])
        scale.add(enthalpy, c, a["enthalpy"], r.h * 1000, notes=a["notes"])
        conductivity.add(c, a["conductivity"], r.k, notes=a["notes"])
        mu.add(c, a["dynamic_viscosity"], r.mu, notes=a["notes"])
        nu.add(c, a["kinematic_viscosity"], r.nu, notes=a["notes"])
        prandtl.add(c, a["prandtl"], r.Prandt, notes=a["notes"])
        sigma.add(c, a["surface_tension"], r.sigma, notes=a["notes"])
    s.remarks.append("The expansion coefficient of water changes sign at 3.98 °C: there no relative "
                     "error is small, and the absolute one is the figure to read.")
    return s


# ---------------------------------------------------------------------------
# Steam.

def measure_saturation_line(dump):
    s = Section("steam_line", "Steam: saturation line",
                "Reference: IAPWS-IF97 region 4. The model's line runs on to 647.14 K and "
                "22.064 MPa; IF97's ends at its critical point 647.096 K, so the last 0.04 K "
                "and 1 kPa are not compared. Sweep: every 0.5 K.",
                [CELSIUS])
    temperatures = frange(273.15, 647.05, 0.5)
    answers = dump.ask(["satp %r" % t for t in temperatures])
    ps = s.property("saturation_pressure", "saturation pressure p_s(T)", "IF97", "Pa")
    for t, a in zip(temperatures, answers):
        ps.add((t,), a["value"], iapws97._PSat_T(t) * 1e6)
    return s


def measure_saturated(dump, pressures, scale):
    s = Section("steam_saturated", "Steam: saturated and wet",
                "Reference: IAPWS-IF97 region 4 at the same pressure, viscosity IAPWS 2008. "
                "Enthalpies: the model's zero aligned with IF97's at saturated steam of 101325 Pa, "
                "the error relative to the enthalpy above water at the triple point. The wet-steam "
                "values for a dryness x are x-weighted blends of these, and the viscosity of wet "
                "steam is that of saturated steam whatever x (no reference exists for it). "
                "Sweep: 150 pressures evenly spaced in logarithm from 611.22 Pa (IF97's line starts at "
                "273.15 K, 611.213 Pa) to 22.06 MPa.",
                [BAR])
    requests = []
    for p in pressures:
        requests += ["satt %r" % p, "steam regime 1 pressure %r" % p, "steam regime 0 pressure %r dryness 0" % p]
    answers = dump.ask(requests)
    ts = temperature_property(s, "saturation_temperature", "saturation temperature T_s(p)", "IF97")
    h2 = s.property("steam_enthalpy", "enthalpy of steam h''", "IF97", "J/kg", "kJ/kg", lambda x: x / 1000)
    h1 = s.property("water_enthalpy", "enthalpy of water h' (x = 0)", "IF97", "J/kg", "kJ/kg",
                    lambda x: x / 1000)
    r = s.property("heat_of_vaporisation", "heat of vaporisation r", "IF97", "J/kg", "kJ/kg", lambda x: x / 1000)
    v2 = s.property("steam_volume", "specific volume of steam v''", "IF97", "m³/kg")
    v1 = s.property("water_volume", "specific volume of water v'", "IF97", "m³/kg")
    mu = s.property("dynamic_viscosity", "dynamic viscosity of steam μ''", "IAPWS 2008", "Pa s")
    nu = s.property("kinematic_viscosity", "kinematic viscosity of steam ν''", "IAPWS 2008, IF97", "m²/s")
    low = 1500.0
    for i, p in enumerate(pressures):
        line, sat, wet = answers[3 * i:3 * i + 3]
        assert sat["messages"] == [ACCEPTED, ACCEPTED] and wet["messages"][-1] == ACCEPTED, (p, sat, wet)
        ref = IAPWS97(T=iapws97._TSat_P(p / 1e6), x=0.5)
        c = (p,)
        ts.add(c, line["value"], ref.T, notes=sat["notes"])
        scale.add(h2, c, sat["enthalpy"], ref.Vapor.h * 1000, notes=sat["notes"])
        scale.add(h1, c, wet["enthalpy"], ref.Liquid.h * 1000, notes=wet["notes"])
        r.add(c, sat["heat_of_vaporisation"], (ref.Vapor.h - ref.Liquid.h) * 1000, notes=sat["notes"])
        v2.add(c, sat["specific_volume"], ref.Vapor.v, notes=sat["notes"])
        v1.add(c, sat["water_volume"], ref.Liquid.v, notes=sat["notes"])
        mu.add(c, sat["dynamic_viscosity"], ref.Vapor.mu, notes=sat["notes"])
        nu.add(c, sat["kinematic_viscosity"], ref.Vapor.nu, notes=sat["notes"])
    low_error = max(abs(model - ref) for (pressure,), model, ref, _ in h1.points if pressure < low)
    s.remarks.append("The enthalpy of boiling water comes from h'' − r, two fits of about 2500 kJ/kg each; "
                     "near the triple point, where h' itself is close to 0, their small errors make a large "
                     "relative one: below %s Pa the error is up to %s kJ/kg." % (fmt(low, 5), fmt(low_error / 1000)))
    return s


def measure_superheated(dump, scale):
    s = Section("steam_superheated", "Steam: superheated",
                "Reference: IAPWS-IF97 (regions 2 and 3), viscosity IAPWS 2008. Enthalpy as for "
                "saturated steam. Sweep: 50 pressures evenly spaced "
                "in logarithm from 12500 Pa to 30 MPa, temperatures every 2 K from 323.4 K to "
                "873.15 K; the states the model accepts.",
                [BAR, CELSIUS])
    pressures = geomspace(12500.0, 30e6, 50)
    temperatures = frange(323.4, 873.15, 2.0) + [873.15]
    grid = [(p, t) for p in pressures for t in temperatures]
    answers = dump.ask(["steam regime 2 temperature %r pressure %r" % (t, p) for p, t in grid])
    h = s.property("enthalpy", "enthalpy h", "IF97", "J/kg", "kJ/kg", lambda x: x / 1000)
    v = s.property("specific_volume", "specific volume v", "IF97", "m³/kg")
    mu = s.property("dynamic_viscosity", "dynamic viscosity μ", "IAPWS 2008", "Pa s")
    nu = s.property("kinematic_viscosity", "kinematic viscosity ν", "IAPWS 2008, IF97", "m²/s")
    refused, liquid = [], 0
    for (p, t), a in zip(grid, answers):
        message = a["messages"][-1]
        if message == STATE_OUTSIDE_FITS:
            refused.append((p, t))
        if message != ACCEPTED:
            continue
        # A state next to the line can lie on the liquid side of IF97's line.
        if p < iapws97.Pc * 1e6 and t <= iapws97._TSat_P(p / 1e6):
            liquid += 1
            continue
        ref = IAPWS97(T=t, P=p / 1e6)
        c = (p, t)
        scale.add(h, c, a["enthalpy"], ref.h * 1000, notes=a["notes"])
        v.add(c, a["specific_volume"], ref.v, notes=a["notes"])
        mu.add(c, a["dynamic_viscosity"], ref.mu, notes=a["notes"])
        nu.add(c, a["kinematic_viscosity"], ref.nu, notes=a["notes"])
    if refused:
        pressures = [p for p, _ in refused]
        temperatures = [t for _, t in refused]
        s.remarks.append("%d states of the sweep (%s, %s) lie where the fits give no physical steam: next "
                         "to the critical point the volume fit turns negative. The model refuses them with "
                         "the message \"Stan pary poza zakresem ważności korelacji\"; superheated steam "
                         "below 12500 Pa too, where the fits give nothing."
                         % (len(refused), BAR.span(min(pressures), max(pressures)),
                            CELSIUS.span(min(temperatures), max(temperatures))))
    if liquid:
        s.remarks.append("%d accepted states lie within a hair of the saturation line, on IF97's liquid "
                         "side of it; they are left out." % liquid)
    return s


def steam_enthalpy_scale(dump):
    """Aligned at saturated steam of 101325 Pa, a state the model's h'' fit
    passes through; relative to the enthalpy above the triple point."""
    (a,) = dump.ask(["steam regime 1 pressure %r" % ATM])
    return EnthalpyScale(a["enthalpy"], IAPWS97(P=ATM / 1e6, x=1).h * 1000, TRIPLE_POINT_WATER_ENTHALPY)


# ---------------------------------------------------------------------------
# Humid air: the ASHRAE psychrometric formulas (ASHRAE Handbook -
# Fundamentals, chapter 1: saturation pressure by Hyland and Wexler, ideal-gas
# relations of moist air). Temperatures in K, pressures in Pa.

def ashrae_saturation_over_water(t):
    c8, c9, c10, c11, c12, c13 = (-5.8002206e3, 1.3914993, -4.8640239e-2, 4.1764768e-5,
                                   -1.4452093e-8, 6.5459673)
    return math.exp(c8 / t + c9 + c10 * t + c11 * t * t + c12 * t ** 3 + c13 * math.log(t))


def ashrae_saturation_over_ice(t):
    c1, c2, c3, c4, c5, c6, c7 = (-5.6745359e3, 6.3925247, -9.6778430e-3, 6.2215701e-7,
                                  2.0747825e-9, -9.4840240e-13, 4.1635019)
    return math.exp(c1 / t + c2 + c3 * t + c4 * t * t + c5 * t ** 3 + c6 * t ** 4 + c7 * math.log(t))


def ashrae_saturation(t):
    """Over ice below 0 °C, over water from 0 °C up."""
    return ashrae_saturation_over_ice(t) if t < 273.15 else ashrae_saturation_over_water(t)


def humidity_ratio(vapour, pressure):
    return 0.621945 * vapour / (pressure - vapour)


def bisect(f, lo, hi, tolerance=1e-9):
    """Root of an increasing f between lo and hi."""
    for _ in range(200):
        mid = 0.5 * (lo + hi)
        if f(mid) < 0:
            lo = mid
        else:
            hi = mid
        if hi - lo < tolerance:
            break
    return 0.5 * (lo + hi)


def ashrae_dew_point(vapour):
    """The temperature at which the vapour saturates: over ice below 0 °C
    (the frost point), over water above."""
    return bisect(lambda t: math.log(ashrae_saturation(t)) - math.log(vapour), 150.0, 650.0)


def ashrae_wet_bulb(t, w, pressure):
    """Thermodynamic wet-bulb temperature: over water from 0 °C up, the
    ice-bulb formula below."""
    tc = t - 273.15

    def excess(star):
        sc = star - 273.15
        ws = humidity_ratio(ashrae_saturation(star), pressure)
        if star >= 273.15:
            w_star = ((2501 - 2.326 * sc) * ws - 1.006 * (tc - sc)) / (2501 + 1.86 * tc - 4.186 * sc)
        else:
            w_star = ((2830 - 0.24 * sc) * ws - 1.006 * (tc - sc)) / (2830 + 1.86 * tc - 2.1 * sc)
        return w_star - w

    return bisect(excess, 180.0, t)


# Viscosity of humid air: dry air by Lemmon and Jacobsen (2004), water
# vapour by IAPWS 2008, mixed by Wilke's rule.
AIR_MOLAR_MASS = 28.96546
WATER_MOLAR_MASS = 18.015268


def humid_air_viscosity(t, pressure, vapour):
    air_density = (pressure - vapour) * AIR_MOLAR_MASS / 1000 / (8.314462618 * t)
    mu_air = Air._visco(air_density, t)
    vapour_density = max(vapour, 1e-9) * WATER_MOLAR_MASS / 1000 / (8.314462618 * t)
    mu_vapour = _Viscosity(vapour_density, t)
    x_vapour = vapour / pressure
    species = [(1 - x_vapour, mu_air, AIR_MOLAR_MASS), (x_vapour, mu_vapour, WATER_MOLAR_MASS)]
    total = 0.0
    for xi, mi, wi in species:
        denominator = 0.0
        for xj, mj, wj in species:
            phi = (1 + (mi / mj) ** 0.5 * (wj / wi) ** 0.25) ** 2 / (8 * (1 + wi / wj)) ** 0.5
            denominator += xj * phi
        total += xi * mi / denominator
    return total


def measure_humid_air(dump):
    s = Section("air", "Humid air (960 hPa to 1040 hPa)",
                "Reference: the ASHRAE psychrometric formulas (Hyland-Wexler saturation pressure, "
                "ideal-gas moist air, R_da = 287.042 J/(kg K), W = 0.621945 p_w/(p − p_w), "
                "h = 1.006 t + W (2501 + 1.86 t) kJ/kg). The relative humidity is taken over "
                "liquid water at every temperature, as the model and weather instruments take it "
                "(the over-water formula continued below 0 °C); the dew point and the wet-bulb "
                "temperature are over ice below 0 °C (frost point, ice bulb), as ASHRAE gives them. "
                "Enthalpy: both count from dry air and liquid water at 0 °C; the error is relative "
                "to the enthalpy above dry air at −20 °C. Specific volume per kg of "
                "humid air. Viscosity: dry air by Lemmon and Jacobsen, water vapour by IAPWS 2008, "
                "mixed by Wilke's rule. Sweep: 960, 1013.25 and 1040 hPa; every 1 K from −20 °C to "
                "the boiling temperature; relative humidity every 5 % from 0 to 100 %; the "
                "moisture content given (its own sweep) at the humidities up to 95 %.",
                [CELSIUS, PERCENT, HPA])
    pressures = [96000.0, ATM, 104000.0]
    humidities = frange(0, 100, 5)
    grid = []
    for p in pressures:
        boiling = iapws97._TSat_P(p / 1e6)
        for t in frange(253.15, boiling - 0.3, 1.0):
            for phi in humidities:
                grid.append((t, phi, p))
    answers = dump.ask(["air pressure %r temperature %r humidity %r" % (p, t, phi) for t, phi, p in grid])
    moisture_requests, moisture_grid = [], []
    for t, phi, p in grid:
        if 0 < phi <= 95:
            w = humidity_ratio(phi / 100 * ashrae_saturation_over_water(t), p)
            moisture_requests.append("air pressure %r mode 1 temperature %r moisture %r" % (p, t, w))
            moisture_grid.append((t, phi, p))
    moisture_answers = dump.ask(moisture_requests)

    x = s.property("moisture_content", "moisture content X", "ASHRAE", "kg/kg")
    rh = s.property("relative_humidity", "relative humidity φ (from X)", "ASHRAE", "%")
    h = s.property("enthalpy", "enthalpy h", "ASHRAE", "J/kg", "kJ/kg", lambda v: v / 1000)
    # Both count from dry air and liquid water at 0 °C; the error is relative
    # to the enthalpy above dry air at -20 °C.
    scale = EnthalpyScale(0.0, 0.0, -1006 * 20.0)
    v = s.property("specific_volume", "specific volume v", "ASHRAE", "m³/kg")
    pv = s.property("vapour_pressure", "vapour pressure p_v", "ASHRAE", "Pa")
    td = temperature_property(s, "dew_point", "dew point t_d", "ASHRAE")
    tw = temperature_property(s, "wet_bulb", "wet-bulb temperature t_w", "ASHRAE")
    mu = s.property("dynamic_viscosity", "dynamic viscosity μ", "Lemmon-Jacobsen, IAPWS 2008, Wilke",
                    "Pa s")
    nu = s.property("kinematic_viscosity", "kinematic viscosity ν", "as μ, ASHRAE", "m²/s")
    no_dew_point = 0
    for (t, phi, p), a in zip(grid, answers):
        if a["messages"][-1] != ACCEPTED:
            continue
        c = (t, phi, p)
        vapour = phi / 100 * ashrae_saturation_over_water(t)
        w = humidity_ratio(vapour, p)
        x.add(c, a["moisture_content"], w, notes=a["notes"])
        tc = t - 273.15
        scale.add(h, c, a["enthalpy"], (1.006 * tc + w * (2501 + 1.86 * tc)) * 1000, notes=a["notes"])
        v.add(c, a["specific_volume"], 287.042 * t * (1 + 1.607858 * w) / p / (1 + w), notes=a["notes"])
        pv.add(c, a["vapour_pressure"], vapour, notes=a["notes"])
        if phi > 0:
            if a["dew_point"] is None or a["dew_point"] == 0:
                no_dew_point += 1
            else:
                td.add(c, a["dew_point"], ashrae_dew_point(vapour), notes=a["notes"])
        tw.add(c, a["wet_bulb"] if a["wet_bulb"] else None, ashrae_wet_bulb(t, w, p), notes=a["notes"])
        viscosity = humid_air_viscosity(t, p, vapour)
        mu.add(c, a["dynamic_viscosity"], viscosity, notes=a["notes"])
        volume = 287.042 * t * (1 + 1.607858 * w) / p / (1 + w)
        nu.add(c, a["kinematic_viscosity"], viscosity * volume, notes=a["notes"])
    for (t, phi, p), a in zip(moisture_grid, moisture_answers):
        if a["messages"][-1] != ACCEPTED:
            continue
        rh.add((t, phi, p), a["relative_humidity"], phi, notes=a["notes"])
    s.remarks.append("%d states of the sweep have a vapour pressure below 125.6 Pa, where the model "
                     "gives no dew point (its line starts at −20 °C); they are not compared." % no_dew_point)
    return s


# ---------------------------------------------------------------------------
# Units against their definitions.

INCH, FOOT, YARD, MILE = 0.0254, 0.3048, 0.9144, 1609.344
POUND, G = 0.45359237, 9.80665
POUND_FORCE = POUND * G
US_GALLON, UK_GALLON = 231 * INCH ** 3, 0.00454609
CALORIE, BTU = 4.1868, 1055.05585262
METRIC_HORSEPOWER, HORSEPOWER = 75 * G, 550 * FOOT * POUND_FORCE
MM_HG = 133.322387415
WATER_COLUMN = 1000 * G   # Pa per metre of water, conventional
FAHRENHEIT = 5 / 9

STANDARD = {
    1000: {"m": 1, "mm": 1e-3, "cm": 1e-2, "km": 1e3, "in": INCH, "ft": FOOT, "yd": YARD, "mile": MILE,
           "n mile": 1852},
    1100: {"m^2": 1, "mm^2": 1e-6, "cm^2": 1e-4, "ar": 100, "ha": 1e4, "km^2": 1e6, "sq in": INCH ** 2,
           "sq ft": FOOT ** 2, "sq yd": YARD ** 2, "ac": 4840 * YARD ** 2, "sq mile": MILE ** 2},
    1200: {"m^3": 1, "dm^3": 1e-3, "ml": 1e-6, "l": 1e-3, "hl": 0.1, "cu in": INCH ** 3, "cu ft": FOOT ** 3,
           "cu yd": YARD ** 3, "UK gallon": UK_GALLON, "US gallon": US_GALLON, "UK bushel": 8 * UK_GALLON,
           "US bushel": 2150.42 * INCH ** 3},
    1300: {"m/s": 1, "ft/s": FOOT, "ft/min": FOOT / 60, "km/h": 1 / 3.6, "mile/h": MILE / 3600,
           "kn": 1852 / 3600},
    1400: {"kg": 1, "mg": 1e-6, "g": 1e-3, "dkg": 1e-2, "q": 100, "Mg": 1000, "(kp s^2)/m": G,
           "dr": POUND / 256, "oz": POUND / 16, "lb": POUND, "cwt": 112 * POUND, "t": 1000,
           "UK ton": 2240 * POUND, "US short ton": 2000 * POUND},
    1500: {"kg/s": 1, "kg/h": 1 / 3600, "t/h": 1000 / 3600, "t/d": 1000 / 86400, "lb/h": POUND / 3600,
           "UK ton/h": 2240 * POUND / 3600, "US short ton/h": 2000 * POUND / 3600},
    1600: {"m^3/s": 1, "m^3/h": 1 / 3600, "l/s": 1e-3, "l/min": 1e-3 / 60, "cu ft/h": FOOT ** 3 / 3600,
           "cu ft/min": FOOT ** 3 / 60, "UK gal/min": UK_GALLON / 60, "US gal/min": US_GALLON / 60},
    1700: {"N": 1, "dyn": 1e-5, "kp": G, "kG": G, "lbf": POUND_FORCE, "pdl": POUND * FOOT},
    1800: {"Nm": 1, "kpm": G, "kGm": G, "lbf ft": POUND_FORCE * FOOT, "lbf in": POUND_FORCE * INCH},
    1900: {"Pa": 1, "hPa": 100, "kPa": 1e3, "MPa": 1e6, "mbar": 100, "bar": 1e5, "kbar": 1e8,
           "dyn/cm^2": 0.1, "kp/m^2": G, "kG/m^2": G, "kp/cm^2": G * 1e4, "kG/cm^2": G * 1e4,
           "lbf/sq in": POUND_FORCE / INCH ** 2, "psi": POUND_FORCE / INCH ** 2, "atm": ATM,
           "at": G * 1e4, "Tr": ATM / 760, "mm H2O": WATER_COLUMN / 1000, "m H2O": WATER_COLUMN,
           "in H2O": WATER_COLUMN * INCH, "ft H2O": WATER_COLUMN * FOOT, "mm Hg": MM_HG,
           "cm Hg": 10 * MM_HG, "in Hg": 25.4 * MM_HG},
    2000: {"kg/m^3": 1, "g/cm^3": 1000, "lb/cu in": POUND / INCH ** 3, "lb/cu ft": POUND / FOOT ** 3},
    2100: {"m^2/s": 1, "St": 1e-4, "m^2/h": 1 / 3600, "sq ft/s": FOOT ** 2, "sq ft/h": FOOT ** 2 / 3600},
    2200: {"Pa*s": 1, "P": 0.1, "(kp s)/m^2": G, "(kG s)/m^2": G, "(kp h)/m^2": G * 3600,
           "(kG h)/m^2": G * 3600, "kg/(m h)": 1 / 3600, "(lbf s)/sq ft": POUND_FORCE / FOOT ** 2,
           "lb/(ft s)": POUND / FOOT},
    2300: {"J": 1, "kJ": 1e3, "MJ": 1e6, "GJ": 1e9, "TJ": 1e12, "cal": CALORIE, "kcal": CALORIE * 1e3,
           "Mcal": CALORIE * 1e6, "Gcal": CALORIE * 1e9, "Tcal": CALORIE * 1e12, "Wh": 3600,
           "kWh": 3.6e6, "MWh": 3.6e9, "GWh": 3.6e12, "TWh": 3.6e15, "kpm": G, "kGm": G,
           "ft lbf": FOOT * POUND_FORCE, "BTU": BTU, "cal 15": 4.1855, "cal termochem": 4.184,
           "erg": 1e-7, "KMh": METRIC_HORSEPOWER * 3600, "eV": 1.602176634e-19},
    2400: {"W": 1, "kW": 1e3, "MW": 1e6, "GW": 1e9, "TW": 1e12, "J/h": 1 / 3600, "kJ/h": 1e3 / 3600,
           "MJ/h": 1e6 / 3600, "GJ/h": 1e9 / 3600, "TJ/h": 1e12 / 3600, "cal/h": CALORIE / 3600,
           "kcal/h": CALORIE * 1e3 / 3600, "Mcal/h": CALORIE * 1e6 / 3600, "Gcal/h": CALORIE * 1e9 / 3600,
           "Tcal/h": CALORIE * 1e12 / 3600, "cal/s": CALORIE, "BTU/h": BTU / 3600,
           "(ft lbf)/s": FOOT * POUND_FORCE, "(kp m)/s": G, "(kG m)/s": G, "KM": METRIC_HORSEPOWER,
           "h.p.": HORSEPOWER},
    2500: {"J/kg": 1, "kJ/kg": 1e3, "MJ/kg": 1e6, "cal/g": CALORIE * 1e3, "kcal/kg": CALORIE * 1e3,
           "BTU/lb": BTU / POUND, "(kG m)/kg": G, "(ft lbf)/lb": FOOT * POUND_FORCE / POUND, "kWh/kg": 3.6e6},
    2600: {"J/(kg K)": 1, "kJ/(kg K)": 1e3, "cal/(g C)": CALORIE * 1e3, "kcal/(kg C)": CALORIE * 1e3,
           "BTU/(lb F)": BTU / POUND / FAHRENHEIT},
    2700: {"W/(m K)": 1, "W/(cm K)": 100, "kcal/(m h C)": CALORIE * 1e3 / 3600, "cal/(cm s C)": CALORIE * 100,
           "kJ/(m h K)": 1e3 / 3600, "BTU/(ft h F)": BTU / (FOOT * 3600 * FAHRENHEIT),
           "(BTU in)/(sq ft h F)": BTU * INCH / (FOOT ** 2 * 3600 * FAHRENHEIT)},
    2800: {"W/(m^2 K)": 1, "W(cm^2 K)": 1e4, "kcal/(m^2 h C)": CALORIE * 1e3 / 3600,
           "cal/(cm^2 s C)": CALORIE * 1e4, "BTU/(sq ft h F)": BTU / (FOOT ** 2 * 3600 * FAHRENHEIT)},
    2900: {"W/(m^2 K)": 1, "W/(cm^2 K)": 1e4, "kcal/(m^2 h C)": CALORIE * 1e3 / 3600,
           "cal/(cm^2 s C)": CALORIE * 1e4, "BTU/(sq ft h F)": BTU / (FOOT ** 2 * 3600 * FAHRENHEIT)},
    3000: {"m^2/s": 1, "cm^2/s": 1e-4, "m^2/h": 1 / 3600, "sq ft/s": FOOT ** 2, "sq ft/h": FOOT ** 2 / 3600},
    3200: {"1/K": 1},
    3300: {"N/m": 1},
    3400: {"m^3/kg": 1, "cm^3/g": 1e-3, "cu in/lb": INCH ** 3 / POUND, "cu ft/lb": FOOT ** 3 / POUND},
    3500: {"K": 1, "st C": 1, "st F": FAHRENHEIT, "st Rank": FAHRENHEIT},
    3600: {"s": 1, "ms": 1e-3, "min": 60, "h": 3600, "doba": 86400, "m-c 30": 30 * 86400,
           "m-c 31": 31 * 86400, "rok 360": 360 * 86400, "rok 365": 365 * 86400},
    3700: {"Pa/m": 1},
    3800: {"rad": 1, "stopień": math.pi / 180, "minuta": math.pi / 10800, "sekunda": math.pi / 648000,
           "grad": math.pi / 200},
    3900: {"rad/s": 1, "obr/s": 2 * math.pi, "obr/min": 2 * math.pi / 60, "rps": 2 * math.pi,
           "rpm": 2 * math.pi / 60},
    4000: {"kg/kg": 1, "g/kg": 1e-3},
}

# Deviations that are a choice of definition, not a slip.
UNIT_REMARKS = {
    (1000, "n mile"): "the Admiralty mile of 6080 ft (1853.184 m); the international one is 1852 m",
    (1300, "kn"): "one Admiralty nautical mile per hour, as the comment defines the knot",
    (2500, "cal/g"): "4186 J/kg kept on purpose: it matches the energy analysis's 4186 J/(kg K)",
    (2500, "kcal/kg"): "4186 J/kg kept on purpose: it matches the energy analysis's 4186 J/(kg K)",
}

# Units whose factor lies within this of its definition are not listed.
UNIT_TOLERANCE = 1e-7

# The arithmetic of a conversion rounds by about 1e-13 degrees: that much
# counts as exact.
ROUNDING_DEGREES = 1e-9

TEMPERATURE_EXACT = {  # (from, to): value in "to" of x in "from"
    ("K", "K"): lambda x: x, ("K", "st C"): lambda x: x - 273.15,
    ("K", "st F"): lambda x: x * 1.8 - 459.67, ("K", "st Rank"): lambda x: x * 1.8,
    ("st C", "K"): lambda x: x + 273.15, ("st C", "st C"): lambda x: x,
    ("st C", "st F"): lambda x: x * 1.8 + 32, ("st C", "st Rank"): lambda x: (x + 273.15) * 1.8,
    ("st F", "K"): lambda x: (x + 459.67) / 1.8, ("st F", "st C"): lambda x: (x - 32) / 1.8,
    ("st F", "st F"): lambda x: x, ("st F", "st Rank"): lambda x: x + 459.67,
    ("st Rank", "K"): lambda x: x / 1.8, ("st Rank", "st C"): lambda x: x / 1.8 - 273.15,
    ("st Rank", "st F"): lambda x: x - 459.67, ("st Rank", "st Rank"): lambda x: x,
}


def measure_units(dump):
    (answer,) = dump.ask(["units"])
    rows, unknown = [], []
    for u in answer["units"]:
        quantity, name, factor = u["quantity"], u["name"], u["factor"]
        standard = STANDARD.get(quantity, {}).get(name)
        if standard is None:
            unknown.append("%d %s" % (quantity, name))
            continue
        rows.append((quantity, name, factor, standard, abs(factor - standard) / standard))
    # Temperature: the largest error of each pair over 200 K to 500 K, in
    # degrees of the target unit.
    to_unit = {"K": lambda k: k, "st C": lambda k: k - 273.15, "st F": lambda k: k * 1.8 - 459.67,
               "st Rank": lambda k: k * 1.8}
    temperature = []
    for pair in answer["temperature"]:
        exact = TEMPERATURE_EXACT[(pair["from"], pair["to"])]
        worst = 0.0
        for kelvin in frange(200.0, 500.0, 1.0):
            x = to_unit[pair["from"]](kelvin)
            worst = max(worst, abs(pair["multiplier"] * x + pair["offset"] - exact(x)))
        temperature.append((pair["from"], pair["to"], worst))
    return rows, temperature, unknown


# ---------------------------------------------------------------------------
# Accuracy notes. A state counts as less accurate where a property's error
# reaches 5 % (0.5 K for a temperature); such a state must carry one of the
# notes that speak for that property, or the check fails. The notes' texts
# give the figures of the tables above; the models decide where to show
# them (src/media/AccuracyNotes.cpp), and this table says where they do.

NOTE_THRESHOLD = 0.05
NOTE_THRESHOLD_KELVIN = 0.5

NOTES = {  # id: where the model shows it
    11201: "water below 16 °C",
    11202: "wet and saturated steam, always",
    11203: "wet steam (dryness below 1) whose saturation pressure is below 1500 Pa",
    11204: "wet and saturated steam above 25 bar",
    11205: "wet and saturated steam above 75 bar",
    11206: "superheated steam above 170 bar and below 440 °C",
    11207: "humid air whose dew point is below 0 °C or wet-bulb temperature below 1 °C",
    11208: "humid air above 65 °C with a relative humidity below 50 %",
    11209: "humid air with a moisture content above 60 g/kg",
}

NOTES_FOR = {  # (section, property): the notes that speak for its errors
    ("water", "expansion"): {11201},
    ("steam_saturated", "steam_enthalpy"): {11205},
    ("steam_saturated", "water_enthalpy"): {11203, 11205},
    ("steam_saturated", "heat_of_vaporisation"): {11205},
    ("steam_saturated", "steam_volume"): {11204},
    ("steam_saturated", "water_volume"): {11205},
    ("steam_saturated", "dynamic_viscosity"): {11202},
    ("steam_saturated", "kinematic_viscosity"): {11202},
    ("steam_superheated", "enthalpy"): {11206},
    ("steam_superheated", "specific_volume"): {11206},
    ("steam_superheated", "dynamic_viscosity"): {11206},
    ("steam_superheated", "kinematic_viscosity"): {11206},
    ("air", "dew_point"): {11207},
    ("air", "wet_bulb"): {11207, 11208},
    ("air", "dynamic_viscosity"): {11209},
    ("air", "kinematic_viscosity"): {11209},
}


def note_texts(dump):
    ids = sorted(NOTES)
    answers = dump.ask(["text %d" % i for i in ids])
    return {i: a["text"] for i, a in zip(ids, answers)}


def past_threshold(prop, point):
    _, m, r, scale = point
    if prop.temperature:
        return abs(m - r) >= NOTE_THRESHOLD_KELVIN
    return abs(m - r) / scale >= NOTE_THRESHOLD


def check_notes(sections):
    """Every state past the threshold carries a note that speaks for the
    property; returns the failures (at most a few per property)."""
    failures = []
    for section in sections:
        for prop in section.properties:
            wanted = NOTES_FOR.get((section.key, prop.key), set())
            missing = [(point, notes) for point, notes in zip(prop.points, prop.notes)
                       if past_threshold(prop, point) and not wanted & set(notes)]
            for (coords, m, r, scale), notes in missing[:3]:
                where = ", ".join(a.text(c) for a, c in zip(section.axes, coords))
                failures.append("%s %s at %s: error %s %s without a note of %s (notes %s)"
                                % (section.key, prop.key, where,
                                   fmt(abs(m - r)) if prop.temperature else fmt(100 * abs(m - r) / scale),
                                   "K" if prop.temperature else "%", sorted(wanted) or "none", list(notes)))
            if len(missing) > 3:
                failures.append("%s %s: %d more states like these" % (section.key, prop.key, len(missing) - 3))
    return failures


# ---------------------------------------------------------------------------
# The report.

def write_report(path, sections, units, notes):
    rows, temperature, unknown = units
    out = []
    out.append("# Accuracy of Zentaro's numbers\n")
    out.append("Measured by `tools/accuracy.py` (run it with `--dump` pointing at the built "
               "`tests/zentaro_model_dump`; the test suite runs it with `--check`, which fails when "
               "an error grows past the largest error stated here). Every property of the three "
               "models is compared with a reference formulation over the range the model accepts, "
               "and every unit factor with the unit's definition.\n")
    out.append("Columns: the median and the largest relative error |model − reference| / |reference| "
               "over the sweep, where the largest occurs, the largest absolute error, and the part of "
               "the range in which the relative error stays under 1 % and under 5 % (told along each "
               "axis of the sweep: the longest run of grid values at which every state is under it). "
               "Temperatures are compared in kelvin.\n")
    for s in sections:
        out.append("## %s\n" % s.title)
        out.append(s.intro + "\n")
        out.append("| Property | Reference | Median | Largest | Where the largest is | Largest absolute "
                   "| Under 1 % | Under 5 % |")
        out.append("|---|---|---|---|---|---|---|---|")
        for p in s.properties:
            m = p.summary(s.axes)
            out.append("| %s | %s | %s %% | %s %% | %s | %s %s | %s | %s |" % (
                p.name, p.reference, fmt(100 * m["median"]), fmt(100 * ceil_sig(m["largest"])), m["where"],
                fmt(ceil_sig(m["absolute"])), p.absolute_unit, m["under1"], m["under5"]))
        out.append("")
        for remark in s.remarks:
            out.append("- " + remark)
        if s.remarks:
            out.append("")

    out.append("## Notes the program shows\n")
    out.append("Where a result is less accurate, the models give a note for it: a one-line text "
               "that names what is less accurate and by how much, with the figures of the tables "
               "above. A state counts as less accurate where a property's error reaches %s %% "
               "(%s K for a temperature); `--check` verifies that every state of the sweeps past "
               "that carries a note which speaks for the property.\n"
               % (fmt(100 * NOTE_THRESHOLD), fmt(NOTE_THRESHOLD_KELVIN)))
    out.append("| Note | Text | Shown for | Speaks for |")
    out.append("|---|---|---|---|")
    for note, text in sorted(notes.items()):
        covered = []
        for section in sections:
            names = [p.name for p in section.properties if note in NOTES_FOR.get((section.key, p.key), ())]
            if names:
                covered.append("%s: %s" % (section.title.split(" (")[0], ", ".join(names)))
        out.append("| %d | %s | %s | %s |" % (note, text, NOTES[note], "; ".join(covered)))
    out.append("")

    out.append("## Units\n")
    out.append("Every factor (SI units per unit) against the unit's definition: international foot, "
               "pound and yard; standard gravity 9.80665 m/s²; international table calorie 4.1868 J "
               "and BTU 1055.05585262 J; conventional water column and mercury column. Units within "
               "%s of their definition are not listed; all %d others are:\n"
               % (fmt(UNIT_TOLERANCE), len([r for r in rows if r[4] > UNIT_TOLERANCE])))
    out.append("| Quantity | Unit | Factor | Definition | Relative error | Remark |")
    out.append("|---|---|---|---|---|---|")
    for quantity, name, factor, standard, error in sorted(rows, key=lambda r: (-r[4], r[0], r[1])):
        if error > UNIT_TOLERANCE:
            out.append("| %d | %s | %s | %s | %s %% | %s |" % (
                quantity, name.replace("|", "\\|"), repr(factor), fmt(standard, 10), fmt(100 * ceil_sig(error)),
                UNIT_REMARKS.get((quantity, name), "")))
    out.append("")
    out.append("Temperature conversions, largest error over 200 K to 500 K in degrees of the target unit:\n")
    out.append("| From | To | Largest error |")
    out.append("|---|---|---|")
    for src, dst, worst in temperature:
        out.append("| %s | %s | %s |" % (src, dst, fmt(ceil_sig(worst)) if worst > ROUNDING_DEGREES else "0"))
    out.append("")
    out.append("The offset from \"st F\" to \"K\" is 255.37 instead of 255.372…: 32 °F reads as "
               "273.148 K.\n")
    if unknown:
        out.append("Units without a definition here: %s.\n" % ", ".join(unknown))
    with open(path, "w", encoding="utf-8") as f:
        f.write("\n".join(out))


def read_bounds(path):
    """The largest errors the report states: {(section title, property): bound},
    {(quantity, unit): bound} (fractions, not percent), {(from, to): degrees}
    for the temperature pairs, and the note numbers."""
    models, units, temperature, notes = {}, {}, {}, set()
    section = None
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.startswith("## "):
                section = line[3:].strip()
                continue
            if not line.startswith("| ") or line.startswith("|---"):
                continue
            cells = [c.strip() for c in line.strip().strip("|").split(" | ")]
            if section == "Units" and len(cells) == 6 and cells[0].isdigit():
                units[(int(cells[0]), cells[1].replace("\\|", "|"))] = float(cells[4].split()[0]) / 100
            elif section == "Units" and len(cells) == 3 and cells[0] != "From":
                temperature[(cells[0], cells[1])] = float(cells[2])
            elif section == "Notes the program shows" and cells[0].isdigit():
                notes.add(int(cells[0]))
            elif len(cells) == 8 and cells[0] != "Property":
                models[(section, cells[0])] = float(cells[3].split()[0]) / 100
    return models, units, temperature, notes


# The stated bounds are rounded up to three digits; this much more absorbs
# the last bits in which an unoptimised build's arithmetic may differ.
BOUND_SLACK = 1e-6


def check(path, sections, units, notes):
    failures = []
    if not os.path.exists(path):
        return ["no report at %s: run tools/accuracy.py without --check" % path]
    stated, stated_units, stated_temperature, stated_notes = read_bounds(path)
    measured = set()
    for s in sections:
        for p in s.properties:
            key = (s.title, p.name)
            measured.add(key)
            largest = max(p.errors())
            if key not in stated:
                failures.append("%s / %s: not in the report" % key)
            elif largest > stated[key] * (1 + BOUND_SLACK):
                failures.append("%s / %s: largest error %s %% past the stated %s %%"
                                % (key + (fmt(100 * largest, 6), fmt(100 * stated[key]))))
    for key in stated:
        if key not in measured:
            failures.append("%s / %s: in the report but no longer measured" % key)
    rows, temperature, unknown = units
    for quantity, name, factor, standard, error in rows:
        bound = stated_units.get((quantity, name), UNIT_TOLERANCE)
        if error > bound * (1 + BOUND_SLACK):
            failures.append("unit %d %s: factor %r lies %s %% from %r, past the stated %s %%"
                            % (quantity, name, factor, fmt(100 * error), standard, fmt(100 * bound)))
    for src, dst, worst in temperature:
        if worst > stated_temperature.get((src, dst), 0.0) + ROUNDING_DEGREES:
            failures.append("temperature %s to %s: error %s past the stated %s"
                            % (src, dst, fmt(worst), fmt(stated_temperature.get((src, dst), 0.0))))
    if unknown:
        failures.append("units without a definition: %s" % ", ".join(unknown))
    if stated_notes != set(notes):
        failures.append("notes in the report %s, in the models %s" % (sorted(stated_notes), sorted(notes)))
    failures += check_notes(sections)
    return failures


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--dump", default=DEFAULT_DUMP, help="the built tests/zentaro_model_dump")
    parser.add_argument("--report", default=DEFAULT_REPORT, help="the report to write or check")
    parser.add_argument("--check", action="store_true", help="check the report instead of writing it")
    args = parser.parse_args()

    dump = Dump(args.dump)
    steam_scale = steam_enthalpy_scale(dump)
    # IF97's line starts at 273.15 K, 611.213 Pa: the model's lowest
    # 0.3 Pa lie below it.
    pressures = geomspace(611.22, 22.06e6, 150)
    sections = [
        measure_water(dump),
        measure_saturation_line(dump),
        measure_saturated(dump, pressures, steam_scale),
        measure_superheated(dump, steam_scale),
        measure_humid_air(dump),
    ]
    units = measure_units(dump)
    notes = note_texts(dump)

    if args.check:
        failures = check(args.report, sections, units, notes)
        for failure in failures:
            print("accuracy: " + failure)
        print("accuracy: %d properties, %d units checked; %d failed"
              % (sum(len(s.properties) for s in sections), len(units[0]), len(failures)))
        return 1 if failures else 0
    write_report(args.report, sections, units, notes)
    print("accuracy: wrote %s" % args.report)
    return 0


if __name__ == "__main__":
    sys.exit(main())
