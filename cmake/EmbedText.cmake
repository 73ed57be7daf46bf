# Turns a resource text file into a C++ source that holds it as one string, so the module
# carries its string table and dialog templates inside the library.
# Inputs: INPUT (the data file), OUTPUT (the .cpp), SYMBOL (the name of the string) and, when the
# string belongs to a namespace, NAMESPACE.
file(READ "${INPUT}" content)
set(source "// Generated from ${INPUT}; edit that file instead.\n")
if(NAMESPACE)
    string(APPEND source "namespace ${NAMESPACE} {\n")
endif()
string(APPEND source "extern const char* const ${SYMBOL};\n"
                     "const char* const ${SYMBOL} = R\"pqres(${content})pqres\";\n")
if(NAMESPACE)
    string(APPEND source "}  // namespace ${NAMESPACE}\n")
endif()
file(WRITE "${OUTPUT}.tmp" "${source}")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
