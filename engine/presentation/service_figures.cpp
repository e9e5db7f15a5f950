#include "presentation/service_figures.h"

#include "core/number_format.h"

namespace {

// Stresses and pressures to 0.1 MPa and interferences to 0.1 µm: finer than the inputs' accuracy
// (Young's moduli, surface roughness) would be noise. Safeties to two decimals, forces to the newton.
constexpr ServiceFigureFormat kFormats[] = {
    {"size_mm", "mm", 3, 1.0},
    {"interference_min_um", "µm", 1, 1.0},
    {"interference_max_um", "µm", 1, 1.0},
    {"smoothing_loss_um", "µm", 2, 1.0},
    {"service_interference_min_um", "µm", 1, 1.0},
    {"service_interference_max_um", "µm", 1, 1.0},
    {"pressure_min_mpa", "MPa", 1, 1.0},
    {"pressure_max_mpa", "MPa", 1, 1.0},
    {"hub_bore_tangential_max_mpa", "MPa", 1, 1.0},
    {"hub_bore_radial_max_mpa", "MPa", 1, 1.0},
    {"hub_bore_von_mises_max_mpa", "MPa", 1, 1.0},
    {"hub_outside_tangential_max_mpa", "MPa", 1, 1.0},
    {"shaft_von_mises_max_mpa", "MPa", 1, 1.0},
    {"hub_yield_safety", "", 2, 1.0},
    {"shaft_yield_safety", "", 2, 1.0},
    {"interference_at_hub_yield_um", "µm", 1, 1.0},
    {"interference_at_shaft_yield_um", "µm", 1, 1.0},
    {"torque_min_nm", "N·m", 1, 1.0},
    {"axial_force_min_n", "N", 0, 1.0},
    {"slip_safety", "", 2, 1.0},
    {"press_force_max_n", "N", 0, 1.0},
    {"hub_assembly_temp_c", "°C", 1, 1.0},
    {"shaft_assembly_temp_c", "°C", 1, 1.0},
    {"probability_interference", "%", 2, 100.0},
    {"probability_clearance", "%", 2, 100.0},
    {"hub_strength_mpa", "MPa", 0, 1.0},
    {"hub_strength_section_mm", "mm", 1, 1.0},
    {"shaft_strength_mpa", "MPa", 0, 1.0},
    {"shaft_strength_section_mm", "mm", 1, 1.0},
    {"hub_joining_limit_c", "°C", 0, 1.0},
    // A state's temperatures.
    {"hub_temp_c", "°C", 1, 1.0},
    {"shaft_temp_c", "°C", 1, 1.0},
    // What the calculation assumed.
    {"friction_holding", "", 3, 1.0},
    {"friction_pressing", "", 3, 1.0},
    {"friction_coefficient", "", 3, 1.0},
    {"smoothing_factor", "", 1, 1.0},
    {"joining_clearance_um", "µm", 1, 1.0},
    {"zone_sigma", "", 1, 1.0},
    {"required_slip_safety", "", 2, 1.0},
    {"required_yield_safety", "", 2, 1.0},
    {"required_fracture_safety", "", 2, 1.0},
};

} // namespace

ServiceFigureFormat ServiceFigureFormatOf(std::string_view key)
{
    for (const ServiceFigureFormat& format : kFormats) {
        if (format.key == key)
            return format;
    }
    return {key, "", 3, 1.0};
}

std::string ServiceFigureText(std::string_view key, double value)
{
    const ServiceFigureFormat format = ServiceFigureFormatOf(key);
    return FixedDecimals(value * format.scale, format.decimals);
}
