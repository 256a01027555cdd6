# Makes the site to publish from the one-file page: OUT/index.html, the page
# with its manifest, icons and worker named and its policy letting in exactly
# those; the manifest, robots.txt and the icons drawn into ICONS beside it;
# and sw.js, built by make_worker.mjs to keep every file of the site but
# robots.txt (for crawlers alone).
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
string(REPLACE "${policy}" "img-src 'self' data:; manifest-src 'self'; worker-src 'self'\"" page "${page}")
string(REPLACE "</head>" "${head}</head>" page "${page}")
# The page registers the worker it names, once it has loaded.
string(REPLACE "<html lang=\"en\">" "<html lang=\"en\" data-worker=\"sw.js\">" page "${page}")

file(MAKE_DIRECTORY "${OUT}")
file(WRITE "${OUT}/index.html" "${page}")
file(COPY "${here}/manifest.webmanifest" "${here}/robots.txt" DESTINATION "${OUT}")
foreach(icon IN LISTS icons)
    file(COPY "${ICONS}/${icon}" DESTINATION "${OUT}")
endforeach()

execute_process(COMMAND "${NODE}" "${here}/make_worker.mjs" "${OUT}" index.html manifest.webmanifest ${icons}
                RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "the site's worker was not built")
endif()
