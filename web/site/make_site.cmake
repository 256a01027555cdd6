# Makes the site to publish from the one-file page: OUT/index.html, the page
# with its manifest, icons and worker named and its policy letting in exactly
# those; the manifest, robots.txt and the icons drawn into ICONS beside it;
# and sw.js, which keeps every file of the site but robots.txt (for crawlers
# alone), each with its SHA-256, and names its cache from them and from its
# own source. Node hashes, as it seals the page's policy.
#   cmake -DPAGE=quillmere.html -DICONS=DIR -DOUT=DIR -DNODE=node -P make_site.cmake
set(icons icon-192.png icon-512.png icon-maskable-512.png apple-touch-icon.png)
set(here "${CMAKE_CURRENT_LIST_DIR}")

file(READ "${PAGE}" page)
file(READ "${here}/head.html" head)
set(policy "img-src data:\"")
string(FIND "${page}" "${policy}" at)
if(at EQUAL -1)
    message(FATAL_ERROR "${PAGE} has no policy ending in ${policy}")
endif()
string(REPLACE "${policy}" "img-src 'self' data:; manifest-src 'self'; worker-src 'self'; connect-src 'self'\"" page "${page}")
string(REPLACE "</head>" "${head}</head>" page "${page}")
# The page registers the worker it names, once it has loaded.
string(REPLACE "<html lang=\"en\">" "<html lang=\"en\" data-worker=\"sw.js\">" page "${page}")

file(MAKE_DIRECTORY "${OUT}")
file(WRITE "${OUT}/index.html" "${page}")
file(COPY "${here}/manifest.webmanifest" "${here}/robots.txt" DESTINATION "${OUT}")
foreach(icon IN LISTS icons)
    file(COPY "${ICONS}/${icon}" DESTINATION "${OUT}")
endforeach()

# The worker keeps the page once, as ./, and the files beside it, each as a
# key and its integrity: 'file': 'sha256-BASE64'.
set(files index.html manifest.webmanifest ${icons})
list(TRANSFORM files PREPEND "${OUT}/" OUTPUT_VARIABLE paths)
execute_process(
    COMMAND "${NODE}" -e "const { createHash } = require('crypto'); const { readFileSync } = require('fs');
        for (const file of process.argv.slice(1)) console.log('sha256-' + createHash('sha256').update(readFileSync(file)).digest('base64'));"
        ${paths} "${here}/sw.js.in"
    OUTPUT_VARIABLE hashes RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "Node could not hash the site's files")
endif()
string(STRIP "${hashes}" hashes)
string(REPLACE "\n" ";" hashes "${hashes}")
string(SHA256 version "${hashes}")
string(SUBSTRING "${version}" 0 16 QUILL_SITE_VERSION)
list(POP_BACK hashes)  # the worker's own source's
set(QUILL_SITE_FILES "")
foreach(file hash IN ZIP_LISTS files hashes)
    if(file STREQUAL "index.html")
        set(file "./")
    endif()
    list(APPEND QUILL_SITE_FILES "'${file}': '${hash}'")
endforeach()
list(JOIN QUILL_SITE_FILES ", " QUILL_SITE_FILES)
configure_file("${here}/sw.js.in" "${OUT}/sw.js" @ONLY)
