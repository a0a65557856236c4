# The menu entry and the program icon in every size drawn, in the freedesktop layout.
install(FILES "${CMAKE_CURRENT_LIST_DIR}/christmas-zelmo.desktop"
        DESTINATION share/applications)
file(GLOB zelmo_icons "${PROJECT_SOURCE_DIR}/resources/icons/mainicon-*.png")
foreach(icon IN LISTS zelmo_icons)
  string(REGEX MATCH "mainicon-([0-9]+)\\.png$" _ "${icon}")
  set(size "${CMAKE_MATCH_1}")
  install(FILES "${icon}" DESTINATION "share/icons/hicolor/${size}x${size}/apps"
          RENAME christmas-zelmo.png)
endforeach()
