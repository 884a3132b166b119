# Turns the string-table data files into a C++ source so every program carries its texts
# without depending on an installed data folder.
# Inputs: OUTPUT (the .cpp to write), ENGLISH and SPANISH (the two data files).
set(content "// Generated from resources/strings at build time. Do not edit.\n")
string(APPEND content "namespace app {\nnamespace detail {\n")
foreach(pair "kStrings1033=${ENGLISH}" "kStrings2058=${SPANISH}")
    string(REGEX REPLACE "=.*$" "" name "${pair}")
    string(REGEX REPLACE "^[^=]*=" "" path "${pair}")
    file(READ "${path}" hex HEX)
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," hex "${hex}")
    string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],)(0x[0-9a-f][0-9a-f],)(0x[0-9a-f][0-9a-f],)(0x[0-9a-f][0-9a-f],)(0x[0-9a-f][0-9a-f],)(0x[0-9a-f][0-9a-f],)(0x[0-9a-f][0-9a-f],)(0x[0-9a-f][0-9a-f],))" "\\1\n" hex "${hex}")
    string(APPEND content "extern const unsigned char ${name}[];\nconst unsigned char ${name}[] = {\n${hex}0x00};\n")
endforeach()
string(APPEND content "}  // namespace detail\n}  // namespace app\n")
file(WRITE "${OUTPUT}.tmp" "${content}")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
