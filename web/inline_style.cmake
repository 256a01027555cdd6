# Puts the style sheet into the page where it says /*STYLE*/.
file(READ "${PAGE}" page)
file(READ "${STYLE}" style)
string(REPLACE "/*STYLE*/" "${style}" page "${page}")
file(WRITE "${OUT}" "${page}")
