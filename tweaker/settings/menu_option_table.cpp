#include "tweaker/settings/menu_option_table.h"

namespace vdx {

using D = DriverOptions;

const MenuOptionRow menuOptionTable[] = {
    {0x10, nullptr, 30420},          // Outputs...
    {0x8000, nullptr, 30404},        // Use 4X
    {0x40, &D::BW, 30036},
    {0x200, &D::WC, 30037},
    {0x10000, nullptr, 30427},       // Gamma...
    {0, &D::AC, 30003},
    {0, &D::AM, 30004},
    {0, &D::AT, 30002},
    {0, &D::FD, 30026},
    {0x400, &D::ZB, 30018},
    {0x800, &D::ZC, 30428},
    {0, &D::NF, 30437},
    {0x200000, &D::WB, 30448},
    {0x400000, &D::HSP, 30450},
    {0, &D::TP, 30025},
    {0, &D::EF, 30023},
    {0, &D::ES, 30024},
    {0, &D::WV, 30001},
    {0, &D::OS, 30027},
    {0, &D::FB, 30029},
    {0, &D::ATB, 30028},
    {0x20000, &D::TSL, 30422},
    {0x1000, &D::AGPSB, 30429},
    {0, &D::Bit32, 30410},
    {0, &D::AutoS3TC, 30411},
    {0, &D::S3TCDiskCache, 30412},
    {0, &D::TextureCache, 30413},
    {0, &D::Mipmapping, 30414},
    {0, &D::ICD3DNOW, 30430},
    {0, &D::ICDSIMD, 30431},
    {0, &D::ICDUSEKTX, 30435},
    {0, &D::ICDWBUFFER, 30436},
    {0, nullptr, 0},
};

}  // namespace vdx
