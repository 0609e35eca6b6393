// 1986 CODATA values; the names are ordered by non-increasing length so that a
// first-match search prefers _h_BAR_MeVs over _h_BAR over _h.
#include "calculator/PhysConst.h"

#include <stdexcept>
#include <string>

namespace {

struct Constant {
    std::u16string_view name;
    double value;
};

constexpr Constant kConstants[CPhysConst::kCount] = {
    {u"_LAMBDA_BAR_e", 3.86159323e-13}, {u"_SIGMA_0_BARN", 0.66524616},
    {u"_SIN2_THETA_W", 0.23192},        {u"_h_BAR_MeVs", 6.582122e-22},
    {u"_MU_B_MeV_T", 5.78838263e-11},   {u"_LAMBDA_1EV", 1.23984244e-06},
    {u"_MU_N_MeV_T", 3.15245166e-14},   {u"_R_INF_EV", 13.6056981},
    {u"_SIGMA_SB", 5.67051e-08},        {u"_LAMBDAT", 0.002897756},
    {u"_m_D_MeV", 1875.61339},          {u"_m_e_MeV", 0.51099906},
    {u"_m_P_MeV", 938.27231},           {u"_m_P_M_E", 1836.152701},
    {u"_V_MOLAR", 0.0224141},           {u"_hBARc2", 0.38937966},
    {u"_K_B_EV", 8.617385e-05},         {u"_m_e_kg", 9.1093897e-31},
    {u"_m_P_kg", 1.6726231e-27},
    // The fine-structure constant (1986 CODATA). Older tables carried 259.0 here, which is
    // no physical quantity; a formula naming alpha means this.
    {u"_Alpha", 7.29735308e-03},
    {u"_EPS_0", 8.854187817e-12},       {u"_e_ESU", 4.8032068e-10},
    {u"_E_M_e", 175881962000.0},        {u"_E_M_P", 95788309.0},
    {u"_h_BAR", 1.05457266e-34},        {u"_hBARc", 197.327053},
    {u"_m_P_u", 1.00727647},            {u"_u_MeV", 931.49432},
    {u"_G_SI", 6.67259e-11},            {u"_M_Z0", 91.187},
    {u"_MU_0", 1.2566370614e-06},       {u"_u_kg", 1.6605402e-27},
    {u"_a_0", 5.29177249e-11},          {u"_e_C", 1.60217733e-19},
    {u"_G_F", 1.16639e-05},             {u"_G_P", 6.70711e-39},
    {u"_G_S", 0.117},                   {u"_K_B", 1.380658e-23},
    {u"_M_W", 80.22},                   {u"_N_A", 6.0221367e+23},
    {u"_r_e", 2.81794092e-15},          {u"_c", 299792458.0},
    {u"_h", 6.6260755e-34},             {u"_g", 9.80665},
};

} // namespace

std::u16string_view CPhysConst::GetName(int index) const {
    if (index < 0 || index > kCount + 1)
        throw std::invalid_argument("Invalid argument: constant number " + std::to_string(index));
    if (index == 0)
        return {};
    if (index == kCount + 1)
        return kTerminator;
    return kConstants[index - 1].name;
}

namespace {

const Constant* findConstant(std::u16string_view name) {
    for (const Constant& c : kConstants)
        if (zn::equalsNoCaseAscii(c.name, name))
            return &c;
    return nullptr;
}

} // namespace

double CPhysConst::GetValue(std::u16string_view name) const {
    const Constant* constant = findConstant(name);
    return constant ? constant->value : 0.0;
}

bool CPhysConst::IsConstName(std::u16string_view name) const {
    return findConstant(name) != nullptr;
}
