# Makes the site to publish from the one-file page: OUT/index.html, the page
# with its manifest, icons and worker named and its policy letting in exactly
# those; the manifest, robots.txt and the icons drawn into ICONS beside it;
# and sw.js, whose cache is named from the content of every file of the site,
# the worker's own included.
#   cmake -DPAGE=quillmere.html -DICONS=DIR -DOUT=DIR -P make_site.cmake
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

# The worker keeps the page once, as ./, and the files beside it.
set(files manifest.webmanifest ${icons})
list(TRANSFORM files REPLACE "^.+$" "'\\0'" OUTPUT_VARIABLE quoted)
list(JOIN quoted ", " QUILL_SITE_FILES)
set(hashes "")
foreach(file IN ITEMS index.html robots.txt ${files})
    file(SHA256 "${OUT}/${file}" hash)
    string(APPEND hashes "${hash}")
endforeach()
file(SHA256 "${here}/sw.js.in" hash)
string(SHA256 version "${hashes}${hash}")
string(SUBSTRING "${version}" 0 16 QUILL_SITE_VERSION)
configure_file("${here}/sw.js.in" "${OUT}/sw.js" @ONLY)
