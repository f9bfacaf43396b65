# The page's entries, on the format layer. The web build links them into the WebAssembly
# module; the native build compiles the same objects for the driver of the comparison test.
add_library(mixwebapi OBJECT ${CMAKE_CURRENT_LIST_DIR}/webapi.cpp ${CMAKE_CURRENT_LIST_DIR}/webpour.cpp
                             ${CMAKE_CURRENT_LIST_DIR}/entryrecord.cpp ${CMAKE_CURRENT_LIST_DIR}/captions.cpp
                             ${CMAKE_CURRENT_LIST_DIR}/webresults.cpp)
target_link_libraries(mixwebapi PUBLIC mixformat)
set_target_properties(mixwebapi PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
