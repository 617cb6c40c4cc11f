// Setter sequences on a property model, driven through its property table
// (the setters the page and the command line call), with the checks every
// model owes whatever it is given:
//   - a setter returns 0 or one of the models' messages;
//   - a value that is not finite is refused with its own message and
//     changes nothing; no other value gets that message;
//   - every getter is finite, whatever was given before;
//   - a limit text names a number, never inf or nan.
// Each model adds what an accepted state of its own must satisfy.
#pragma once

#include <functional>
#include <span>
#include <vector>

#include "FuzzInput.h"
#include "base/NumberText.h"
#include "media/Messages.h"
#include "pages/PropertyTable.h"
#include "units/Quantities.h"

namespace fuzz {

// Where the values of a quantity mostly fall, so that the fuzzer reaches
// the limits and the states between them as well as wild values.
inline void PlausibleRange(int quantity, double& low, double& high)
{
    switch (quantity) {
    case kQuantityTemperature: low = 150, high = 1200; break;
    case kQuantityPressure: low = -1e5, high = 3.5e7; break;
    case kQuantityPercent: low = -20, high = 120; break;
    case kQuantityMoistureContent: low = -0.05, high = 1.5; break;
    case kQuantityDimensionless: low = -0.2, high = 1.2; break;
    default: low = -100, high = 100; break;
    }
}

template <class Model>
std::vector<double> Getters(const Model& model, std::span<const PropertyRow<Model>> table,
                            const std::vector<double (Model::*)() const>& extra)
{
    std::vector<double> values;
    for (const PropertyRow<Model>& row : table)
        values.push_back((model.*row.get)());
    for (auto get : extra)
        values.push_back((model.*get)());
    return values;
}

template <class Model>
struct ModelRun {
    Model& model;
    std::span<const PropertyRow<Model>> table;
    // Getters outside the table that callers read too.
    std::vector<double (Model::*)() const> extra;
    // Called after a table setter returned 0 for a typed, displayed input
    // (not the carried mass flow): what the model's accepted state owes.
    std::function<void(const Model&, const PropertyRow<Model>&)> accepted;
    // Operations of the model's own (a regime, a mode, a pressure slider),
    // chosen by a byte; returns the setter's message.
    std::function<int(Input&, double& argument)> own;
    unsigned ownCount = 0;
};

inline void CheckMessage(int message)
{
    FUZZ_CHECK(message == kMsgNone || IsModelMessage(message), "message " + std::to_string(message));
}

inline void CheckLimitText(const std::string& text)
{
    FUZZ_CHECK(text.find("nan") == std::string::npos && text.find("inf") == std::string::npos,
               "limit text \"" + text + "\"");
}

template <class Model>
void RunSetters(Input& in, ModelRun<Model>& run)
{
    std::vector<const PropertyRow<Model>*> typed;
    for (const PropertyRow<Model>& row : run.table)
        if (row.set != nullptr)
            typed.push_back(&row);
    for (int step = 0; step < 400 && !in.Empty(); ++step) {
        const std::vector<double> before = Getters(run.model, run.table, run.extra);
        const unsigned op = in.Below(static_cast<unsigned>(typed.size()) + run.ownCount + 1);
        double argument = 0;
        int message = kMsgNone;
        const PropertyRow<Model>* row = nullptr;
        if (op < typed.size()) {
            row = typed[op];
            double low = 0, high = 0;
            PlausibleRange(row->quantity, low, high);
            argument = in.Double(low, high);
            message = (run.model.*row->set)(argument);
        } else if (op < typed.size() + run.ownCount) {
            message = run.own(in, argument);
        } else {
            // The user's locale changes the limit texts' separator only.
            SetDecimalSeparator(in.Bit() ? ',' : '.');
            continue;
        }
        // FUZZ_TRACE=1 in the environment lists the operations of an input.
        static const bool trace = std::getenv("FUZZ_TRACE") != nullptr;
        if (trace)
            std::fprintf(stderr, "op %u row %s arg %.17g -> %d\n", op, row != nullptr ? row->key : "-", argument,
                         message);
        CheckMessage(message);
        const std::vector<double> after = Getters(run.model, run.table, run.extra);
        if (!std::isfinite(argument)) {
            FUZZ_CHECK(message == kMsgValueNotFinite, "a value that is not finite taken, message "
                                                          + std::to_string(message));
            for (std::size_t i = 0; i < after.size(); ++i)
                FUZZ_CHECK(Same(before[i], after[i]), "a refused value changed getter " + std::to_string(i));
        } else {
            FUZZ_CHECK(message != kMsgValueNotFinite, "a finite value refused as not finite: " + Show(argument));
        }
        for (std::size_t i = 0; i < after.size(); ++i)
            FUZZ_CHECK(std::isfinite(after[i]), "getter " + std::to_string(i) + " is " + Show(after[i])
                                                    + " after " + Show(argument));
        CheckLimitText(run.model.GetLimitText());
        if (message == kMsgNone && row != nullptr && row->role == PropertyRole::Input && run.accepted)
            run.accepted(run.model, *row);
    }
}

} // namespace fuzz
