# Our pictures: SVG sources here, rendered at build time by every front end that needs them.
find_program(ASR_RSVG_CONVERT rsvg-convert REQUIRED)
find_program(ASR_IMAGEMAGICK_CONVERT convert REQUIRED)
set(ASR_PICTURES_DIR ${CMAKE_CURRENT_LIST_DIR})

# Each picture with its size in pixels at 96 dpi (its control's size in twips over 15). The
# background is soft and stretched anyway: half its size keeps a quarter of its memory.
set(ASR_PICTURE_SIZES
    background:392x260 su-id:216x26 logo-a:214x50 logo-b:214x50 logo-c:143x73
    support:128x128 keyboard:48x48 magnifier:48x48)
# The program icon's square sizes.
set(ASR_ICON_SIZES 16 24 32 48 64 128 256)

# asr_render_picture(picture width height output): a rule rendering one picture.
function(asr_render_picture picture width height output)
    get_filename_component(folder ${output} DIRECTORY)
    add_custom_command(OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
        COMMAND ${ASR_RSVG_CONVERT} --width=${width} --height=${height}
                --output=${output} ${ASR_PICTURES_DIR}/${picture}.svg
        DEPENDS ${ASR_PICTURES_DIR}/${picture}.svg
        COMMENT "Rendering ${picture} at ${width}x${height}"
        VERBATIM)
endfunction()

# asr_convert_picture(png output): a rule converting a rendered picture into the format its
# output's name ends in: .bmp (Windows resources) or .pam (the Qt front end's raw pixels, which
# load many times faster than a PNG: nothing to inflate or unfilter). The opaque background
# drops its alpha.
function(asr_convert_picture png output)
    get_filename_component(name ${output} NAME)
    # The bitmap formats are ignored when writing a PAM.
    if(name MATCHES "^background")
        set(options -alpha off -define bmp:format=bmp3)
    else()
        set(options -define bmp:format=bmp4)
    endif()
    add_custom_command(OUTPUT ${output}
        COMMAND ${ASR_IMAGEMAGICK_CONVERT} ${png} ${options} ${output}
        DEPENDS ${png}
        VERBATIM)
endfunction()

# asr_render_pictures(OUTPUT_VAR folder scale suffix): every picture at scale times its
# size, as folder/NAME<suffix>.pam; their list. At scale 1 also the program icon, as
# folder/program-icon-SIZE.pam (and .png, for the desktop's icon folders).
function(asr_render_pictures out folder scale suffix)
    set(files)
    foreach(entry ${ASR_PICTURE_SIZES})
        string(REGEX MATCH "^([^:]+):([0-9]+)x([0-9]+)$" ignored ${entry})
        math(EXPR width "${CMAKE_MATCH_2} * ${scale}")
        math(EXPR height "${CMAKE_MATCH_3} * ${scale}")
        set(file ${folder}/${CMAKE_MATCH_1}${suffix})
        asr_render_picture(${CMAKE_MATCH_1} ${width} ${height} ${file}.png)
        asr_convert_picture(${file}.png ${file}.pam)
        list(APPEND files ${file}.pam)
    endforeach()
    if(scale EQUAL 1)
        foreach(size ${ASR_ICON_SIZES})
            set(file ${folder}/program-icon-${size})
            asr_render_picture(program-icon ${size} ${size} ${file}.png)
            asr_convert_picture(${file}.png ${file}.pam)
            list(APPEND files ${file}.pam)
        endforeach()
    endif()
    set(${out} ${files} PARENT_SCOPE)
endfunction()
