# Makes the Windows plugins' static stub (include/win32/SdkImports.cpp) from the player's
# import library: the stub's core and one object per exported SDK symbol, so a plugin links
# only the slots it uses and the player can name the one symbol it lacks.
#     cmake -DIMPORTS=<libvornex.dll.a> -DNM=<nm> -DAR=<ar> -DCXX=<g++> -DSOURCE=<include/>
#           -DOUTPUT=<libvornex-plugin.a> -P PluginImportStub.cmake
execute_process(COMMAND ${NM} -g ${IMPORTS} OUTPUT_VARIABLE listing COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL " I __imp_[A-Za-z0-9_]+" imports "${listing}")
if(NOT imports)
    message(FATAL_ERROR "${IMPORTS} lists no symbol of the player")
endif()

set(work ${OUTPUT}.objects)
file(REMOVE_RECURSE ${work})
file(MAKE_DIRECTORY ${work})
set(flags -std=c++17 -O2 -Wall -Wextra -Werror -I${SOURCE})
execute_process(COMMAND ${CXX} ${flags} -c ${SOURCE}/win32/SdkImports.cpp -o ${work}/core.o
                COMMAND_ERROR_IS_FATAL ANY)
set(objects ${work}/core.o)
set(index 0)
foreach(import ${imports})
    string(REPLACE " I __imp_" "" VORNEX_SDK_SYMBOL "${import}")
    configure_file(${SOURCE}/win32/SdkImport.cpp.in ${work}/import${index}.cpp @ONLY)
    execute_process(COMMAND ${CXX} ${flags} -c ${work}/import${index}.cpp
                            -o ${work}/import${index}.o
                    COMMAND_ERROR_IS_FATAL ANY)
    list(APPEND objects ${work}/import${index}.o)
    math(EXPR index "${index} + 1")
endforeach()
file(REMOVE ${OUTPUT})
execute_process(COMMAND ${AR} qcs ${OUTPUT} ${objects} COMMAND_ERROR_IS_FATAL ANY)
