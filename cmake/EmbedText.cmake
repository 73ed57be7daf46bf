# Turns a resource text file into a C++ source that holds it as one string, so the module
# carries its string table and dialog templates inside the library.
# Inputs: INPUT (the data file), OUTPUT (the .cpp), SYMBOL (the name of the string).
file(READ "${INPUT}" content)
file(WRITE "${OUTPUT}.tmp"
     "// Generated from ${INPUT}; edit that file instead.\n"
     "extern const char* const ${SYMBOL};\n"
     "const char* const ${SYMBOL} = R\"pqres(${content})pqres\";\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
