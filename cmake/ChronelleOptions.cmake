# Warnings and Qt strictness shared by every target of the project.
add_library(chronelle_options INTERFACE)
target_compile_options(chronelle_options INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor)
if(CHRONELLE_WERROR)
  target_compile_options(chronelle_options INTERFACE -Werror)
endif()
target_compile_definitions(chronelle_options INTERFACE
  QT_NO_CAST_TO_ASCII
  QT_NO_URL_CAST_FROM_STRING
  QT_NO_FOREACH
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  QT_USE_QSTRINGBUILDER
  QT_DISABLE_DEPRECATED_BEFORE=0x060400)
