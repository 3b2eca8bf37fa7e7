# The Linux program is built as Debian builds its packages: the flags of dpkg-buildflags with
# DEB_BUILD_MAINT_OPTIONS=hardening=+all, and the stack-clash and branch protections that Debian
# 13's dpkg adds to them, which Debian 12's dpkg and GCC 12 leave out. They are set for the whole
# tree, since every library that goes into the program has to carry them; scripts/check-package.sh
# reads them back from the installed program with hardening-check.

add_compile_options(-fstack-protector-strong -fstack-clash-protection
    -Wformat -Werror=format-security)

# glibc's checked functions need optimisation and warn without it, which -Werror turns into a
# failed debug or sanitizer build; the sanitizers check those calls themselves.
add_compile_definitions($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>)

# Indirect branches may land only on marked places (Intel CET; Arm's BTI and signed returns).
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64|amd64|i[3-6]86)$")
    add_compile_options(-fcf-protection)
    # Debian 12's C library start files (Scrt1.o, crti.o, crtn.o) carry no CET marks, which would
    # drop the program's; neither its kernel nor its C library enforces them yet.
    add_link_options(LINKER:-z,ibt LINKER:-z,shstk)
elseif(CMAKE_SYSTEM_PROCESSOR MATCHES "^(aarch64|arm64)$")
    add_compile_options(-mbranch-protection=standard)
endif()

# Relocations read-only once loaded, every symbol bound at start-up so that they can be.
add_link_options(LINKER:-z,relro LINKER:-z,now)
