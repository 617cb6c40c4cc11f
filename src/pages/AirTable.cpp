#include "pages/AirTable.h"

#include "base/NumberText.h"

std::string BarometerText(double pressure)
{
    constexpr double kPascalsPerHectopascal = 100;
    return AlignRight(FormatFixed(pressure / kPascalsPerHectopascal, 0), 8) + " hPa";
}

int HumidAirInput::WithStandingMessage(int message, int givenMode)
{
    // An accepted state always has a volume. None after a setter that gave
    // no message means a value set before is still refused: setting it
    // again in the current mode changes no value (the properties and the
    // derived humidity are 0 already) and gives its own message and limit
    // text, so that no refused state is shown as valid. The temperature
    // first, then the humidity given in givenMode (the one just set, or
    // the one the current mode gives).
    if (message != kMsgNone || GetSpecificVolume() > 0)
        return message;
    const int temperature = SetTemperature(GetTemperature(), givenMode);
    if (temperature != kMsgNone || GetSpecificVolume() > 0)
        return temperature;
    if (givenMode == kMoistureContentMode)
        return SetMoistureContent(GetMoistureContent() + kStoredMoistureOffset);
    return SetRelativeHumidity(GetRelativeHumidity());
}

int HumidAirInput::SetTemperatureInMode(double temperature)
{
    return WithStandingMessage(SetTemperature(temperature, m_mode), m_mode);
}

int HumidAirInput::SetBarometricPressureChecked(double pressure)
{
    return WithStandingMessage(SetBarometricPressure(pressure, m_mode), m_mode);
}

int HumidAirInput::SetRelativeHumidityChecked(double humidity)
{
    return WithStandingMessage(SetRelativeHumidity(humidity), kRelativeHumidityMode);
}

int HumidAirInput::SetMoistureContentChecked(double moisture)
{
    return WithStandingMessage(SetMoistureContent(moisture), kMoistureContentMode);
}
