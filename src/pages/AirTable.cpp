#include "pages/AirTable.h"

#include "base/NumberText.h"

std::string BarometerText(double pressure)
{
    constexpr double kPascalsPerHectopascal = 100;
    return AlignRight(FormatFixed(pressure / kPascalsPerHectopascal, 0), 8) + " hPa";
}

int HumidAirInput::WithTemperatureMessage(int message, int givenMode)
{
    // An accepted state always has a volume; none means the stored
    // temperature is outside the limits. Setting it again in the mode where
    // the humidity just set is the given one changes no value (the
    // properties and the derived humidity are 0 already, the given one
    // stays) and gives the temperature's own message and limit text.
    if (message == kMsgNone && !(GetSpecificVolume() > 0))
        return SetTemperature(GetTemperature(), givenMode);
    return message;
}

int HumidAirInput::SetRelativeHumidityChecked(double humidity)
{
    return WithTemperatureMessage(SetRelativeHumidity(humidity), kRelativeHumidityMode);
}

int HumidAirInput::SetMoistureContentChecked(double moisture)
{
    return WithTemperatureMessage(SetMoistureContent(moisture), kMoistureContentMode);
}
