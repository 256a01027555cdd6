# Lets the page's own inline script run, and no other: the policy's script-src
# names it by its SHA-256 hash, put where the page says 'sha256-@SCRIPT@'.
# Run on the linked page, which alone holds the script as it is shipped.
#   cmake -DPAGE=quillmere.html -P seal_policy.cmake
file(READ "${PAGE}" page)
string(REGEX MATCHALL "<script" scripts "${page}")
list(LENGTH scripts count)
string(FIND "${page}" "'sha256-@SCRIPT@'" placeholder)
if(NOT count EQUAL 1 OR placeholder EQUAL -1)
    message(FATAL_ERROR "${PAGE} must hold one inline script and the policy's place for its hash")
endif()
string(FIND "${page}" "<script>" start)
string(FIND "${page}" "</script>" end REVERSE)
math(EXPR start "${start} + 8")
math(EXPR length "${end} - ${start}")
string(SUBSTRING "${page}" ${start} ${length} script)
string(SHA256 hex "${script}")

# The digest in base64, as a policy's hash source takes it: each six hex
# digits make four characters; the last four make three and a "=".
set(alphabet "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/")
set(base64 "")
foreach(at RANGE 0 63 6)
    string(SUBSTRING "${hex}" ${at} 6 group)
    string(LENGTH "${group}" digits)
    math(EXPR characters "${digits} * 2 / 3 + 1")
    string(APPEND group "0000")
    string(SUBSTRING "${group}" 0 6 group)
    math(EXPR value "0x${group}")
    foreach(shift 18 12 6 0)
        if(characters GREATER 0)
            math(EXPR index "(${value} >> ${shift}) & 63")
            string(SUBSTRING "${alphabet}" ${index} 1 character)
            string(APPEND base64 "${character}")
            math(EXPR characters "${characters} - 1")
        else()
            string(APPEND base64 "=")
        endif()
    endforeach()
endforeach()

string(REPLACE "'sha256-@SCRIPT@'" "'sha256-${base64}'" page "${page}")
file(WRITE "${PAGE}" "${page}")
