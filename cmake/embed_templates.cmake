# Writes the resource script and its header into a C++ source as raw strings.
file(READ ${RC} RC_TEXT)
file(READ ${HEADER} HEADER_TEXT)
file(WRITE ${OUT} "// Generated from res/orvent.rc and res/resource.h.\n"
  "namespace ui { namespace memory {\n"
  "extern const char kResourceScript[] = R\"orvent_rc(${RC_TEXT})orvent_rc\";\n"
  "extern const char kResourceHeader[] = R\"orvent_rc(${HEADER_TEXT})orvent_rc\";\n"
  "} }\n")
