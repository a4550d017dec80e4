// The operating system version as start-up notes it.
#pragma once

namespace platform {

struct OsVersionInfo {
    bool ok = true;
    int platformId = 2;  // 2: the NT line
    int major = 10;
    int minor = 0;
};

// A fixed, modern version: serial ports are always listed from the system.
OsVersionInfo GetOsVersion();

}  // namespace platform
