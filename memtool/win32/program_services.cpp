#include "memtool/win32/program_services.h"

namespace mt {
namespace win32 {

void installProgramServices(Services&, ProgramServices&) {}

}  // namespace win32
}  // namespace mt
