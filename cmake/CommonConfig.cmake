# Flags every target of the project shares.
add_library(orvanta_common INTERFACE)
target_compile_options(orvanta_common INTERFACE -Wall -Wextra)
target_compile_definitions(orvanta_common INTERFACE
  QT_NO_CONTEXTLESS_CONNECT
  QT_USE_QSTRINGBUILDER
  QT_DISABLE_DEPRECATED_UP_TO=0x060400
  QT_NO_KEYWORDS)

if(ORVANTA_BUILD_FUZZ)
  target_compile_options(orvanta_common INTERFACE -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  target_link_options(orvanta_common INTERFACE -fsanitize=address,undefined)
endif()
if(ORVANTA_SANITIZE)
  target_compile_options(orvanta_common INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer)
  target_link_options(orvanta_common INTERFACE -fsanitize=address,undefined)
endif()
