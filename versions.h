/* The version numbers of the two programs and of the release that ships them.
   The programs' version resources and the setup program all read them here,
   so a new release changes this file only. Plain #defines: windres, the
   compilers and the setup script's parser all read this form. */
#ifndef TRAY_VERSIONS_H
#define TRAY_VERSIONS_H

#define VIDARIX_VERSION_NUMBERS 1, 0, 0, 0
#define VIDARIX_VERSION_TEXT "1.0.0.0"

#define MEMTIDY_VERSION_NUMBERS 2, 0, 0, 0
#define MEMTIDY_VERSION_TEXT "2.0"

/* The release of both: the setup program, the zip, Add/Remove Programs. */
#define RELEASE_VERSION_NUMBERS 1, 0, 0, 0
#define RELEASE_VERSION_TEXT "1.0.0"

#endif
