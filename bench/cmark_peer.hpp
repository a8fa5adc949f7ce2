#pragma once

// cmark-gfm turning Markdown into HTML: the reference rate of the conversion benchmarks, built
// only where its packages are installed (KERFA_HAVE_CMARK_GFM).

#if KERFA_HAVE_CMARK_GFM

#include <cmark-gfm-core-extensions.h>
#include <cmark-gfm-extension_api.h>
#include <cmark-gfm.h>

#include <cstddef>
#include <string>

namespace kerfa_bench {

// GitHub-flavoured Markdown to HTML; gives the size of the page.
inline std::size_t cmark_to_html(const std::string& text) {
    cmark_gfm_core_extensions_ensure_registered();
    cmark_mem* mem = cmark_get_default_mem_allocator();
    cmark_parser* parser = cmark_parser_new_with_mem(CMARK_OPT_DEFAULT, mem);
    for (const char* name : {"table", "strikethrough", "autolink", "tasklist"}) {
        if (cmark_syntax_extension* extension = cmark_find_syntax_extension(name)) {
            cmark_parser_attach_syntax_extension(parser, extension);
        }
    }
    cmark_parser_feed(parser, text.data(), text.size());
    cmark_node* document = cmark_parser_finish(parser);
    char* html = cmark_render_html_with_mem(document, CMARK_OPT_DEFAULT | CMARK_OPT_UNSAFE,
                                            cmark_parser_get_syntax_extensions(parser), mem);
    const std::size_t size = std::char_traits<char>::length(html);
    mem->free(html);
    cmark_node_free(document);
    cmark_parser_free(parser);
    return size;
}

}  // namespace kerfa_bench

#endif
