#include "page/page_frame.hpp"

namespace kerfa_render_html::page {

namespace {

// One constant, copied whole into every page.
constexpr std::string_view kStyleSheet = R"css(@charset "UTF-8";
html {
  -webkit-text-size-adjust: 100%;
  -moz-text-size-adjust: 100%;
  text-size-adjust: 100%;
  -webkit-tap-highlight-color: rgba(0, 0, 0, 0);
}

body {
  margin: 0;
  padding: 0;
  font-family: -apple-system, BlinkMacSystemFont, "Segoe UI", "Noto Sans", Roboto, "Helvetica Neue", Calibri, Arial, "Liberation Sans", sans-serif, "Apple Color Emoji", "Segoe UI Emoji", "Segoe UI Symbol", "Noto Color Emoji";
  font-size: 14px;
  font-weight: 400;
  line-height: 1.3em;
  text-rendering: optimizeLegibility;
  -webkit-font-smoothing: antialiased;
  -moz-osx-font-smoothing: grayscale;
}

article,
aside,
figcaption,
figure,
footer,
header,
hgroup,
main,
nav,
section,
.byline,
.byline-2 {
  display: block;
}

*,
*::before,
*::after {
  box-sizing: border-box;
}

button,
input,
optgroup,
select,
textarea {
  margin: 0;
  font-family: inherit;
  font-size: inherit;
  line-height: inherit;
}

div {
  margin: 0;
}

p {
  margin-top: 0;
  margin-bottom: 1rem;
}

h1,
h2,
h3,
h4,
h5,
h6 {
  margin-top: 0;
  margin-bottom: 0.5rem;
  line-height: 1.2;
}

.break,
.with-break {
  margin-bottom: 2em;
}

.expansion {
  flex-grow: 1;
  flex-shrink: 1;
  min-width: 0;
}

.section-link {
  position: absolute;
  top: 0;
  right: 0;
  bottom: 0;
  left: 0;
}

:root {
  --foreground: #d8dade;
  --background: #1b1d21;
  --placeholder-color: #6f747d;
  --quiet-color: #9a9fa8;
  --link-color: #6cb4ff;
  --link-hover-color: #94c8ff;
  --link-active-color: #bcdcff;
  --section-background: #23262b;
}

@media (prefers-color-scheme: light) {
  :root {
    --foreground: #1f2328;
    --background: #ffffff;
    --placeholder-color: #8c959f;
    --quiet-color: #57606a;
    --link-color: #0a62c9;
    --link-hover-color: #084f9f;
    --link-active-color: #063c7a;
    --section-background: #f6f8fa;
  }
}
body {
  color: var(--foreground);
  fill: var(--foreground);
  background-color: var(--background);
}

:root {
  --popup-help-background: #2c3036;
}

@media (prefers-color-scheme: light) {
  :root {
    --popup-help-background: #f2f4f7;
  }
}
html,
body {
  height: 100%;
  min-height: 100%;
  width: 100%;
}

body {
  padding: 0.5em;
  display: flex;
  flex-direction: column;
  overflow-x: hidden;
}

section {
  margin: 0;
  padding: 0;
}

:root {
  --kerfa-color: #ffffff;
  --kerfa-background: #1b1d21;
  --kerfa-background-inverse: #d8dade;
  --kerfa-box-background: #2a2e34;
  --kerfa-box-sideline: #4a505a;
  --kerfa-box-in-box-background: #363b43;
  --kerfa-caution-color: #f0a35e;
  --kerfa-code-background: #2c3036;
  --kerfa-dim-color: #8a9099;
  --kerfa-divider-line: #3d424a;
  --kerfa-highlight-background: #6b5a1e;
  --kerfa-important-color: #ff7b72;
  --kerfa-link-color: #6cb4ff;
  --kerfa-link-focus-color: #a5d2ff;
  --kerfa-note-color: #7ee0a1;
  --kerfa-outline-color: #4a505a;
  --kerfa-outline-in-box-color: #5c636e;
  --kerfa-stripe-background: #24272c;
  --kerfa-stripe-in-box-background: #32363d;
  --kerfa-tag-highlight: #4d5a73;
  --kerfa-tagline-color: #b392f0;
  --kerfa-var-color: #79c0ff;
  --kerfa-warning-color: #ffb02e;
}

@media (prefers-color-scheme: light) {
  :root {
    --kerfa-color: #ffffff;
    --kerfa-background: #ffffff;
    --kerfa-background-inverse: #2d333b;
    --kerfa-box-background: #eef1f4;
    --kerfa-box-sideline: #c3cad3;
    --kerfa-box-in-box-background: #dde2e8;
    --kerfa-caution-color: #b35900;
    --kerfa-code-background: #eff1f3;
    --kerfa-dim-color: #6e7781;
    --kerfa-divider-line: #d0d7de;
    --kerfa-highlight-background: #fff3a8;
    --kerfa-important-color: #cf222e;
    --kerfa-link-color: #0a62c9;
    --kerfa-link-focus-color: #063c7a;
    --kerfa-note-color: #1a7f37;
    --kerfa-outline-color: #c3cad3;
    --kerfa-outline-in-box-color: #a8b1bc;
    --kerfa-stripe-background: #f4f6f8;
    --kerfa-stripe-in-box-background: #e4e8ed;
    --kerfa-tag-highlight: #c8d8f0;
    --kerfa-tagline-color: #8250df;
    --kerfa-var-color: #0550ae;
    --kerfa-warning-color: #9a6700;
  }
}
section {
  white-space: pre-wrap;
  word-wrap: break-word;
  overflow-wrap: break-word;
}
section h1,
section h2,
section h3,
section h4,
section h5,
section h6 {
  margin: 0;
  display: inline-block;
  font-weight: 600;
}
section h1 {
  font-size: 2.5em;
}
section h2 {
  font-size: 2em;
}
section h3 {
  font-size: 1.75em;
}
section h4 {
  font-size: 1.5em;
}
section h5 {
  font-size: 1.25em;
}
section h6 {
  font-size: 1.25em;
}
section img {
  max-width: 100%;
  height: auto;
  vertical-align: top;
}
section a {
  text-decoration: none;
}
section a:hover {
  text-decoration: underline;
}
section ol {
  display: inline-block;
  margin: 0;
  padding: 0;
  text-indent: 0;
  list-style-position: inside;
  width: 100%;
}
section ul {
  display: inline-block;
  margin: 0;
  padding-left: 1.25em;
  text-indent: -0.25em;
}
section li {
  margin: 0;
  padding: 0;
}
section li > ol,
section li > ul {
  display: block;
}
section sub,
section sup {
  line-height: 0;
}
section input[type=checkbox] {
  vertical-align: -0.125em;
  margin: 0 0.25em 0 0;
}
section .address,
section .coordinates {
  border-bottom: 0.0625em dotted var(--kerfa-dim-color);
}

ul.default,
ul.asterisk,
ul.dash,
ul.plus {
  list-style: none;
  padding-left: 1em;
  text-indent: 0;
}
ul.default > li::before,
ul.asterisk > li::before,
ul.dash > li::before,
ul.plus > li::before {
  display: inline-block;
  width: 1em;
  margin-left: -1em;
  text-indent: 0;
}

ul.default > li::before {
  content: "•";
}

ul.asterisk > li::before {
  content: "*";
}

ul.dash > li::before {
  content: "-";
}

ul.plus > li::before {
  content: "+";
}

.badge {
  display: inline-block;
  font-weight: bold;
  font-size: 0.85em;
}

.block {
  display: inline-block;
  vertical-align: top;
  max-width: 100%;
}
ol .block,
ul .block {
  max-width: 90%;
}

blockquote {
  display: inline-block;
  vertical-align: top;
  padding-left: 0.8125em;
  margin: 0;
  width: 100%;
  border-left: 0.1875em solid var(--kerfa-box-sideline);
}

.card,
.codebox {
  display: inline-block;
  vertical-align: top;
  padding: 1em;
  border-radius: 0.3em;
  margin-right: 0.5em;
  width: 100%;
  background-color: var(--kerfa-box-background);
  border: 1px solid var(--kerfa-box-background);
}

.indent {
  display: inline-block;
  vertical-align: text-top;
  width: 100%;
}

code,
.code,
.codebox,
.monospace {
  font-family: SFMono-Regular, "DejaVu Sans Mono", "Source Code Pro", Menlo, Monaco, Consolas, "Liberation Mono", "Noto Sans Mono", "JetBrains Mono", "Courier New", monospace;
  -moz-tab-size: 4;
  tab-size: 4;
}

code,
.code,
.codebox {
  font-size: 0.9em;
}

.monospace {
  font-size: 0.95em;
}

.badge,
code,
.code,
.tag {
  padding: 0.125em 0.25em;
  border-radius: 0.1875em;
  line-height: 1em;
}

.fixed {
  font-family: SFMono-Regular, "DejaVu Sans Mono", "Source Code Pro", Menlo, Monaco, Consolas, "Liberation Mono", "Noto Sans Mono", "JetBrains Mono", "Courier New", monospace;
  font-size: 0.8rem;
  -moz-tab-size: 4;
  tab-size: 4;
  white-space: pre;
}

mark {
  padding: 0;
  color: inherit;
  background-color: var(--kerfa-highlight-background);
}

var {
  font-style: italic;
  color: var(--kerfa-var-color);
}

hr {
  border: none;
  border-top: 1px solid var(--kerfa-divider-line);
  margin: 0.5em 0;
}

.badge {
  color: var(--kerfa-color);
  text-shadow: 0 0 0.125em rgba(0, 0, 0, 0.5);
}

.caution {
  color: var(--kerfa-caution-color);
}

.dim {
  color: var(--kerfa-dim-color);
}

.important {
  color: var(--kerfa-important-color);
}

.note {
  color: var(--kerfa-note-color);
}

.warning {
  color: var(--kerfa-warning-color);
}

.tagline {
  color: var(--kerfa-tagline-color);
}

section a {
  color: var(--kerfa-link-color);
}
section a:hover,
section a:focus {
  color: var(--kerfa-link-focus-color);
}

code,
.code {
  background-color: var(--kerfa-code-background);
}

.card .badge,
.card .tag,
.card code,
.card .code,
.codebox .badge,
.codebox .tag,
.codebox code,
.codebox .code {
  background-color: var(--kerfa-box-in-box-background);
}

.tag {
  background-color: var(--kerfa-box-background);
}
.tag .highlight {
  background-color: var(--kerfa-tag-highlight);
}

section.highlight {
  border-left: 0.25em solid var(--section-highlight);
  padding-left: 0.5em;
}

.light,
.dark {
  display: none;
}

@media (prefers-color-scheme: light) {
  .light {
    display: inline;
  }
  .not-light {
    display: none;
  }
}
@media (prefers-color-scheme: dark) {
  .dark {
    display: inline;
  }
  .not-dark {
    display: none;
  }
}
section table,
thead,
tbody,
tr {
  margin: 0;
  padding: 0;
  border-collapse: collapse;
  border-spacing: 0;
}

section table {
  display: inline-table;
  font-size: 1em;
}
section td,
section th {
  white-space: pre-wrap;
  vertical-align: top;
  text-align: left;
  padding: 0 1em 0 0;
}
section td:last-child,
section th:last-child {
  padding-right: 0;
}
section th {
  font-weight: 600;
}

.pad-t1 td,
.pad-t1 th {
  padding: 0.25em 0.5em;
}
.pad-t1 td:last-child,
.pad-t1 th:last-child {
  padding: 0.25em 0.5em;
}

.outlined {
  border: 0.0625em solid var(--kerfa-outline-color);
}
.outlined td,
.outlined th {
  padding: 0.21875em 0.46875em;
}
.outlined td:last-child,
.outlined th:last-child {
  padding: 0.21875em 0.46875em;
}

.card .outlined,
.codebox .outlined {
  border-color: var(--kerfa-outline-in-box-color);
}

.column {
  border: 0.0625em solid var(--kerfa-outline-color);
}
.column td,
.column th {
  border-left: 0.0625em solid var(--kerfa-outline-color);
  padding: 0.21875em 0.46875em;
}
.column td:last-child,
.column th:last-child {
  padding: 0.21875em 0.46875em;
}

.card .column,
.card .column td,
.card .column th,
.codebox .column,
.codebox .column td,
.codebox .column th {
  border-color: var(--kerfa-outline-in-box-color);
}

.grid td,
.grid th {
  border: 0.0625em solid var(--kerfa-outline-color);
  padding: 0.21875em 0.46875em;
}
.grid td:last-child,
.grid th:last-child {
  padding: 0.21875em 0.46875em;
}

.card .grid td,
.card .grid th,
.codebox .grid td,
.codebox .grid th {
  border-color: var(--kerfa-outline-in-box-color);
}

.row tr {
  border: 0.0625em solid var(--kerfa-outline-color);
}
.row td,
.row th {
  padding: 0.21875em 0.46875em;
}
.row td:last-child,
.row th:last-child {
  padding: 0.21875em 0.46875em;
}

.card .row tr,
.codebox .row tr {
  border-color: var(--kerfa-outline-in-box-color);
}

.striped td,
.striped th {
  padding: 0.25em 0.5em;
}
.striped td:last-child,
.striped th:last-child {
  padding: 0.25em 0.5em;
}
.striped tbody tr:nth-child(odd) {
  background-color: var(--kerfa-stripe-background);
}
.striped tbody tr:nth-child(even) {
  background-color: var(--kerfa-background);
}
.striped thead tr,
thead.striped tr {
  background-color: transparent;
}

.card .striped tbody tr:nth-child(odd),
.codebox .striped tbody tr:nth-child(odd) {
  background-color: var(--kerfa-stripe-in-box-background);
}
.card .striped tbody tr:nth-child(even),
.codebox .striped tbody tr:nth-child(even) {
  background-color: var(--kerfa-stripe-background);
}
.card .striped thead tr,
.card thead.striped tr,
.codebox .striped thead tr,
.codebox thead.striped tr {
  background-color: var(--kerfa-box-background);
}

thead.inverse,
.inverse tr,
.inverse th {
  color: var(--kerfa-background);
  background-color: var(--kerfa-background-inverse);
}
thead.inverse th:first-child,
.inverse th:first-child {
  padding-left: 0.5em;
}
thead.inverse th:last-child,
.inverse th:last-child {
  padding-right: 0.5em;
}

.content {
  white-space: pre-wrap;
}

/*# sourceMappingURL=kerfa-html-file.css.map */
)css";

}  // namespace

std::string_view style_sheet() {
    return kStyleSheet;
}

}  // namespace kerfa_render_html::page
