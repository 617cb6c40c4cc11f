// friction, flow, size and kv: the arithmetic of the flow analysis, its
// size catalogue and the Kv relation.
#include <cmath>

#include "analysis/FlowAnalysis.h"
#include "analysis/FrictionFactor.h"
#include "analysis/KvRelation.h"
#include "analysis/SizeCatalogue.h"
#include "base/NumberText.h"
#include "cli/Cli.h"
#include "units/Units.h"

namespace cli {

namespace {

double Required(const ParsedArguments& args, const std::string& option, int quantity, const Context& context,
                const std::string& command)
{
    if (args.Last(option) == nullptr)
        throw UsageError("--" + option + " is required", command);
    return OptionValue(args, option, quantity, 0, context, command);
}

double RequiredPlain(const ParsedArguments& args, const std::string& option, const Context& context,
                     const std::string& command)
{
    const std::string* text = args.Last(option);
    if (text == nullptr)
        throw UsageError("--" + option + " is required", command);
    return ParsePlainNumber(*text, context.localeSeparator, option, command);
}

DuctShape ShapeOption(const ParsedArguments& args, const std::string& command)
{
    const std::string* text = args.Last("shape");
    if (text == nullptr || *text == "round")
        return DuctShape::Round;
    if (*text == "rect" || *text == "rectangular")
        return DuctShape::Rectangular;
    throw UsageError("--shape: \"" + *text + "\" is neither round nor rect", command);
}

std::string Unit(int quantity) { return UnitName(quantity, 0); }

// ------------------------------------------------------------------ friction

int RunFriction(const ParsedArguments& args, Context& context)
{
    const double re = RequiredPlain(args, "reynolds", context, "friction");
    const double eps = RequiredPlain(args, "roughness", context, "friction");
    const double lambda = FrictionFactor(re, eps);
    if (context.format == OutputFormat::Table) {
        context.out += "Współczynnik oporów liniowych " + FormatG(lambda) + "\n";
        return kExitOk;
    }
    Record r;
    r.Number("lambda", lambda);
    EmitRecords(context, {r});
    return kExitOk;
}

// ---------------------------------------------------------------------- flow

int RunFlow(const ParsedArguments& args, Context& context)
{
    const std::string command = "flow";
    const double rho = Required(args, "density", kQuantityDensity, context, command);
    const double nu = Required(args, "viscosity", kQuantityKinematicViscosity, context, command);
    const double massFlow = Required(args, "mass-flow", kQuantityMassFlow, context, command);
    FlowAnalysis flow;
    if (args.Last("velocity") != nullptr) {
        // The velocity is what a previous use of the dialog left behind:
        // open once, type it (a velocity not above 0 becomes 1e-08 m/s, as
        // in the dialog), then open again for this medium.
        const double w = OptionValue(args, "velocity", kQuantityVelocity, 1, context, command);
        flow.SetMedium(rho, nu, massFlow);
        flow.Open();
        flow.OnEdit(FlowField::Velocity, FormatG(w, 17));
    }
    flow.SetMedium(rho, nu, massFlow);
    flow.Open();

    const int slot = flow.NearestSize();
    const std::vector<std::string_view> names = SizeListNames(DuctShape::Round);
    const std::string nearest = slot >= 0 && slot < static_cast<int>(names.size()) ? std::string(names[slot]) : "";
    if (context.format == OutputFormat::Table) {
        Table t;
        auto row = [&](const std::string& name, FlowField field, int quantity) {
            t.Row(name, flow.FieldText(field), Unit(quantity));
        };
        row("Strumień masy", FlowField::MassFlow, kQuantityMassFlow);
        row("Strumień objętości", FlowField::VolumeFlow, kQuantityVolumeFlow);
        row("Prędkość", FlowField::Velocity, kQuantityVelocity);
        row("Pole przekroju", FlowField::Area, kQuantityArea);
        row("Średnica przewodu", FlowField::Diameter, kQuantityLength);
        row("L", FlowField::SideL, kQuantityLength);
        row("H", FlowField::SideH, kQuantityLength);
        row("Jedn. str. ciśn.", FlowField::UnitLoss, kQuantityUnitPressureLoss);
        t.Row("Strata ciśnienia (l = 1 m)", flow.FieldText(FlowField::LinearLoss), Unit(kQuantityPressure));
        t.Row("Strata ciśnienia (Σζ = 1)", flow.FieldText(FlowField::LocalLoss), Unit(kQuantityPressure));
        std::string reynolds = flow.ReynoldsText();
        for (char& c : reynolds)
            if (c == '\n')
                c = ' ';
        while (!reynolds.empty() && reynolds.back() == ' ')
            reynolds.pop_back();
        t.Line(flow.HydraulicRadiusText());
        t.Line(flow.RelativeRoughnessText());
        t.Line(reynolds);
        t.Line(flow.FrictionText());
        t.Line("Najbliższy wymiar przewodu: " + nearest);
        context.out += t.Render();
        return kExitOk;
    }
    Record r;
    r.Number("volume_flow", flow.Value(FlowField::VolumeFlow));
    r.Number("area", flow.Value(FlowField::Area));
    r.Number("diameter", flow.Value(FlowField::Diameter));
    r.Number("side_l", flow.Value(FlowField::SideL));
    r.Number("side_h", flow.Value(FlowField::SideH));
    r.Number("hydraulic_radius", flow.HydraulicRadius());
    r.Number("relative_roughness", flow.RelativeRoughness());
    r.Number("reynolds", flow.Reynolds());
    r.Boolean("turbulent", !(flow.Reynolds() < 2320));
    r.Number("friction_factor", flow.Lambda());
    r.Number("loss_per_metre", flow.Value(FlowField::UnitLoss));
    r.Number("linear_loss", flow.Value(FlowField::LinearLoss));
    r.Number("local_loss", flow.Value(FlowField::LocalLoss));
    r.Integer("nearest_slot", slot);
    r.Text("nearest_name", nearest);
    EmitRecords(context, {r});
    return kExitOk;
}

// ---------------------------------------------------------------------- size

int RunSize(const ParsedArguments& args, Context& context)
{
    const std::string command = "size";
    const DuctShape shape = ShapeOption(args, command);
    const bool byArea = args.Last("area") != nullptr;
    const bool bySlot = args.Last("slot") != nullptr;
    if (byArea == bySlot)
        throw UsageError("give either --area or --slot", command);
    const std::vector<std::string_view> names = SizeListNames(shape);
    int slot = 0;
    if (byArea) {
        slot = FindNearestSize(shape, OptionValue(args, "area", kQuantityArea, 0, context, command));
    } else {
        slot = ParseInteger(*args.Last("slot"), 0, static_cast<int>(names.size()) - 1, "slot", command);
    }
    const DuctGeometry g = SizeGeometry(shape, slot);
    const std::string name(names[static_cast<std::size_t>(slot)]);
    if (context.format == OutputFormat::Table) {
        Table t;
        t.Line("Najbliższy wymiar przewodu: " + name + " (pozycja " + std::to_string(slot) + ")");
        t.Row("Średnica przewodu", FormatG(g.D), Unit(kQuantityLength));
        t.Row("Pole przekroju", FormatG(g.F), Unit(kQuantityArea));
        t.Row("L", FormatG(g.L), Unit(kQuantityLength));
        t.Row("H", FormatG(g.H), Unit(kQuantityLength));
        context.out += t.Render();
        return kExitOk;
    }
    Record r;
    r.Integer("slot", slot);
    r.Text("name", name);
    r.Number("diameter", g.D);
    r.Number("area", g.F);
    r.Number("side_l", g.L);
    r.Number("side_h", g.H);
    EmitRecords(context, {r});
    return kExitOk;
}

// ------------------------------------------------------------------------ kv

int RunKv(const ParsedArguments& args, Context& context)
{
    const std::string command = "kv";
    const double area = Required(args, "area", kQuantityArea, context, command);
    const bool byKv = args.Last("kv") != nullptr;
    const bool byZeta = args.Last("zeta") != nullptr;
    if (byKv == byZeta)
        throw UsageError("give either --kv or --zeta", command);
    double kv = 0;
    double zeta = 0;
    if (byKv) {
        kv = RequiredPlain(args, "kv", context, command);
        zeta = ZetaFromKv(kv, area);
    } else {
        zeta = RequiredPlain(args, "zeta", context, command);
        kv = KvFromZeta(zeta, area);
    }
    if (context.format == OutputFormat::Table) {
        Table t;
        t.Row("Wartość Kv", FormatG(kv), "m^3/h");
        t.Row("Wartość Σζ", FormatG(zeta));
        context.out += t.Render();
        return kExitOk;
    }
    Record r;
    r.Number("kv", kv);
    r.Number("zeta", zeta);
    EmitRecords(context, {r});
    return kExitOk;
}

Command Make(const std::string& name, const std::string& summary, const std::string& help,
             std::set<std::string> options, int (*run)(const ParsedArguments&, Context&))
{
    Command c;
    c.name = name;
    c.summary = summary;
    c.help = help;
    c.spec.valueOptions = std::move(options);
    c.spec.flags = {"csv"};
    c.run = run;
    return c;
}

} // namespace

const Command& FrictionCommand()
{
    static const Command command = Make(
        "friction", "Darcy friction factor from Reynolds number and relative roughness",
        "Usage: zentaro-cli friction --reynolds RE --roughness EPS [--json|--csv]\n"
        "\n"
        "The friction factor of the flow analysis: 64/Re below Re 2320, above it the\n"
        "Colebrook-White equation solved by Newton's method. EPS is the relative\n"
        "roughness k / (4 Rh), a plain number.\n"
        "\n"
        "Options:\n"
        "  --reynolds RE    Reynolds number\n"
        "  --roughness EPS  relative roughness\n"
        "  --json           {\"lambda\": ...}\n"
        "  --csv            header \"lambda\" and the value\n"
        "\n"
        "Examples:\n"
        "  zentaro-cli friction --reynolds 1e5 --roughness 0.001\n"
        "  zentaro-cli friction --reynolds 1000 --roughness 0 --json\n",
        {"reynolds", "roughness"}, RunFriction);
    return command;
}

const Command& FlowCommand()
{
    static const Command command = Make(
        "flow", "the flow analysis as it opens for a medium",
        "Usage: zentaro-cli flow --density RHO --viscosity NU --mass-flow M\n"
        "                        [--velocity W] [--json|--csv]\n"
        "\n"
        "What the flow analysis dialog shows when a medium page opens it: volume\n"
        "flow, the round cross-section for the velocity W (1 m/s unless given),\n"
        "diameter, the sides L and H of the equivalent 2:1 rectangle, hydraulic\n"
        "radius, relative roughness for k = 0.01 mm, Reynolds number and regime,\n"
        "friction factor, loss per metre, linear loss over 1 m, local loss for\n"
        "a loss coefficient sum of 1, and the nearest round size of the catalogue.\n"
        "\n"
        "Options (a number, optionally with a unit of the quantity):\n"
        "  --density RHO     density (kg/m^3, g/cm^3, lb/cu in, lb/cu ft)\n"
        "  --viscosity NU    kinematic viscosity (m^2/s, St, ...)\n"
        "  --mass-flow M     mass flow (kg/s, kg/h, t/h, ...)\n"
        "  --velocity W      velocity (m/s, km/h, ...); not above 0 becomes 1e-08 m/s\n"
        "  --json            one object: volume_flow, area, diameter, side_l, side_h,\n"
        "                    hydraulic_radius, relative_roughness, reynolds, turbulent,\n"
        "                    friction_factor, loss_per_metre, linear_loss, local_loss,\n"
        "                    nearest_slot, nearest_name (SI units)\n"
        "  --csv             the same keys as a header and one row\n"
        "\n"
        "Examples:\n"
        "  zentaro-cli flow --density 1000 --viscosity 1e-6 --mass-flow 1\n"
        "  zentaro-cli flow --density 998.2 --viscosity \"1.004 St\" --mass-flow \"2 t/h\" --velocity 0.8\n"
        "  zentaro-cli flow --density 1.2 --viscosity 1.5e-5 --mass-flow \"3600 kg/h\" --velocity 4 --json\n",
        {"density", "viscosity", "mass-flow", "velocity"}, RunFlow);
    return command;
}

const Command& SizeCommand()
{
    static const Command command = Make(
        "size", "nearest catalogue size to an area, or the geometry of a size",
        "Usage: zentaro-cli size --area F [--shape round|rect] [--json|--csv]\n"
        "       zentaro-cli size --slot N [--shape round|rect] [--json|--csv]\n"
        "\n"
        "The pipe and duct catalogue of the flow analysis. With --area, the entry\n"
        "whose cross-section is nearest to F (of equal areas the earlier entry);\n"
        "with --slot, entry N (from 0). Both print the entry's geometry: diameter\n"
        "(of the circle of equal area for a rectangle), area and sides (of the 2:1\n"
        "rectangle of equal area for a round size).\n"
        "\n"
        "Options:\n"
        "  --area F        cross-section (m^2, cm^2, mm^2, ...)\n"
        "  --slot N        catalogue position, 0..49 round, 0..58 rectangular\n"
        "  --shape S       round (steel pipes and round ducts, the default) or rect\n"
        "  --json          slot, name, diameter, area, side_l, side_h\n"
        "  --csv           the same keys as a header and one row\n"
        "\n"
        "Examples:\n"
        "  zentaro-cli size --area 0.0123\n"
        "  zentaro-cli size --area \"250 cm^2\" --shape rect\n"
        "  zentaro-cli size --slot 4 --json\n",
        {"area", "slot", "shape"}, RunSize);
    return command;
}

const Command& KvCommand()
{
    static const Command command = Make(
        "kv", "valve flow coefficient Kv against the loss coefficient sum",
        "Usage: zentaro-cli kv --area F (--kv KV | --zeta Z) [--json|--csv]\n"
        "\n"
        "The Kv relation of the flow analysis for a cross-section F:\n"
        "Kv = sqrt(2 / Z) x 36000 x F and Z = 2 x (36000 x F)^2 / Kv^2.\n"
        "\n"
        "Options:\n"
        "  --area F        cross-section (m^2, cm^2, ...)\n"
        "  --kv KV         flow coefficient in m^3/h\n"
        "  --zeta Z        sum of local loss coefficients\n"
        "  --json          kv, zeta\n"
        "  --csv           the same keys as a header and one row\n"
        "\n"
        "Examples:\n"
        "  zentaro-cli kv --area 0.00785398163375 --zeta 1\n"
        "  zentaro-cli kv --area \"78.54 cm^2\" --kv 400 --json\n",
        {"area", "kv", "zeta"}, RunKv);
    return command;
}

} // namespace cli
