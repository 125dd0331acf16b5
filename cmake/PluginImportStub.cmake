# Makes the Windows plugins' static stub (include/win32/SdkImports.cpp) from the player's
# import library: the stub's core and one object per exported SDK symbol, so a plugin links
# only the slots it uses and the player can name the one symbol it lacks.
#     cmake -DIMPORTS=<libvornex.dll.a> -DNM=<nm> -DAR=<ar> -DCXX=<g++> -DSOURCE=<include/>
#           -DOUTPUT=<libvornex-plugin.a> -P PluginImportStub.cmake
# The player is relinked often and its symbols seldom change: a symbol's object is compiled
# again only when its source (made from the template) changed, the core when it or the
# headers it includes did.
execute_process(COMMAND ${NM} -g ${IMPORTS} OUTPUT_VARIABLE listing COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL " I __imp_[A-Za-z0-9_]+" imports "${listing}")
if(NOT imports)
    message(FATAL_ERROR "${IMPORTS} lists no symbol of the player")
endif()

set(work ${OUTPUT}.objects)
file(MAKE_DIRECTORY ${work})
set(flags -std=c++17 -O2 -Wall -Wextra -Werror -I${SOURCE})
foreach(core_source win32/SdkImports.cpp vornex/Api.h vornex/EffectExports.h)
    if(${SOURCE}/${core_source} IS_NEWER_THAN ${work}/core.o)
        execute_process(COMMAND ${CXX} ${flags} -c ${SOURCE}/win32/SdkImports.cpp
                                -o ${work}/core.o
                        COMMAND_ERROR_IS_FATAL ANY)
        break()
    endif()
endforeach()
set(objects ${work}/core.o)
foreach(import ${imports})
    string(REPLACE " I __imp_" "" VORNEX_SDK_SYMBOL "${import}")
    set(source ${work}/${VORNEX_SDK_SYMBOL}.cpp)
    set(object ${work}/${VORNEX_SDK_SYMBOL}.o)
    # Rewrites the source only when its text changes, keeping its time otherwise.
    configure_file(${SOURCE}/win32/SdkImport.cpp.in ${source} @ONLY)
    if(${source} IS_NEWER_THAN ${object})
        execute_process(COMMAND ${CXX} ${flags} -c ${source} -o ${object}
                        COMMAND_ERROR_IS_FATAL ANY)
    endif()
    list(APPEND objects ${object})
endforeach()
file(REMOVE ${OUTPUT})
execute_process(COMMAND ${AR} qcs ${OUTPUT} ${objects} COMMAND_ERROR_IS_FATAL ANY)
