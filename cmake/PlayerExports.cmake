# The player's dynamic symbols are exactly the SDK's: what include/vornex/ marks VORNEX_API.
# Visibility alone leaves more, since the standard library's templates are instantiated with
# default visibility wherever the player uses them; a linker version script, made here from
# the headers, keeps only the marked classes (their members, type information and virtual
# tables) and functions. The Windows linker exports only what is marked dllexport.
function(vornex_export_sdk_only target)
    file(GLOB headers ${CMAKE_SOURCE_DIR}/include/vornex/*.h)
    set(patterns)
    foreach(header ${headers})
        file(STRINGS ${header} lines REGEX "VORNEX_API")
        foreach(line ${lines})
            if(line MATCHES "^(class|struct) VORNEX_API ([A-Za-z_][A-Za-z0-9_]*)")
                set(name ${CMAKE_MATCH_2})
                string(APPEND patterns "      ${name}::*;\n"
                       "      \"typeinfo for ${name}\";\n"
                       "      \"typeinfo name for ${name}\";\n"
                       "      \"vtable for ${name}\";\n")
            elseif(line MATCHES "^VORNEX_API [^(]*[ *&]([A-Za-z_][A-Za-z0-9_]*)\\(")
                # Globs cannot hold the parenthesis that would end the name.
                string(APPEND patterns "      ${CMAKE_MATCH_1}*;\n")
            endif()
        endforeach()
    endforeach()
    set(map ${CMAKE_BINARY_DIR}/vornex-exports.map)
    file(CONFIGURE OUTPUT ${map} CONTENT
         "{\n  global:\n    extern \"C++\" {\n${patterns}    };\n  local: *;\n};\n")
    target_link_options(${target} PRIVATE -Wl,--version-script=${map})
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${map})
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${headers})
endfunction()
