#include "platform/OsVersion.h"

namespace platform {

OsVersionInfo GetOsVersion() { return OsVersionInfo{}; }

}  // namespace platform
