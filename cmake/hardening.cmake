# Compiler and linker hardening, as Debian builds its packages
# (dpkg-buildflags with hardening=+all), on the orvanta_build_flags target.
#
# The link-time protections (PIE, full RELRO, immediate binding) and the
# stack protector cost nothing measurable and are applied to every build
# type, so that the ELF check in tests/hardening holds for the Debug build
# the CI runs as well as for Release. _FORTIFY_SOURCE needs optimisation
# (glibc warns, and -Werror turns that into a failure, at -O0) and fights
# the sanitizers' own interceptors, so it is limited to optimised builds
# without ORVANTA_SANITIZE.

if(NOT ORVANTA_HARDEN)
  return()
endif()

include(CheckPIESupported)
check_pie_supported(LANGUAGES CXX)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

target_compile_options(orvanta_build_flags INTERFACE
  -fstack-protector-strong -Wformat -Werror=format-security)
if(NOT ORVANTA_SANITIZE)
  set(_orvanta_optimised "$<CONFIG:Release,RelWithDebInfo,MinSizeRel>")
  target_compile_options(orvanta_build_flags INTERFACE
    "$<${_orvanta_optimised}:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
  unset(_orvanta_optimised)
endif()
target_link_options(orvanta_build_flags INTERFACE
  LINKER:-z,relro LINKER:-z,now LINKER:-z,noexecstack)
