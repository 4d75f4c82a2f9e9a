#include "directories/XmlReader.h"

#include <climits>
#include <cstring>
#include <libxml/parser.h>
#include <libxml/parserInternals.h>

namespace {

struct ReadState
{
    XmlReader::Handler* handler;
    int depth = -1;
    bool doctype = false;
};

ReadState* stateOf(void* context)
{
    auto* parser = static_cast<xmlParserCtxtPtr>(context);
    return static_cast<ReadState*>(parser->_private);
}

void onInternalSubset(void* context, const xmlChar*, const xmlChar*, const xmlChar*)
{
    stateOf(context)->doctype = true;
    xmlStopParser(static_cast<xmlParserCtxtPtr>(context));
}

void onStart(void* context, const xmlChar* localName, const xmlChar*, const xmlChar*, int,
             const xmlChar**, int attributeCount, int, const xmlChar** attributes)
{
    ReadState* state = stateOf(context);
    ++state->depth;
    state->handler->startElement(state->depth, reinterpret_cast<const char*>(localName),
                                 XmlReader::Attributes(attributes, attributeCount));
}

void onEnd(void* context, const xmlChar*, const xmlChar*, const xmlChar*)
{
    ReadState* state = stateOf(context);
    state->handler->endElement(state->depth);
    --state->depth;
}

void onCharacters(void* context, const xmlChar* text, int length)
{
    ReadState* state = stateOf(context);
    if (state->depth >= 0)
        state->handler->characters(state->depth, reinterpret_cast<const char*>(text), length);
}

// Entities other than the five predefined ones are never resolved.
xmlEntityPtr onGetEntity(void*, const xmlChar* name)
{
    return xmlGetPredefinedEntity(name);
}

struct ParserFree
{
    void operator()(xmlParserCtxt* parser) const
    {
        if (parser->myDoc)
            xmlFreeDoc(parser->myDoc);
        xmlFreeParserCtxt(parser);
    }
};

} // namespace

QString XmlReader::Attributes::value(const char* name) const
{
    // Five pointers per attribute: local name, prefix, URI, value start, value end.
    for (int i = 0; i < m_count; ++i) {
        const unsigned char** attribute = m_attributes + 5 * i;
        if (attribute[1] == nullptr &&
            std::strcmp(reinterpret_cast<const char*>(attribute[0]), name) == 0) {
            const auto* begin = reinterpret_cast<const char*>(attribute[3]);
            const auto* end = reinterpret_cast<const char*>(attribute[4]);
            QString value = QString::fromUtf8(begin, end - begin);
            // Without entity substitution the parser hands an escaped ampersand on as "&#38;";
            // every other reference is already resolved.
            value.replace(QStringLiteral("&#38;"), QStringLiteral("&"));
            return value.isNull() ? QStringLiteral("") : value;
        }
    }
    return QString();
}

bool XmlReader::read(const QByteArray& bytes, Handler& handler, QString* error)
{
    if (bytes.size() > INT_MAX) {
        *error = QStringLiteral("файл слишком велик");
        return false;
    }
    xmlSAXHandler sax;
    std::memset(&sax, 0, sizeof sax);
    sax.initialized = XML_SAX2_MAGIC;
    sax.internalSubset = onInternalSubset;
    sax.startElementNs = onStart;
    sax.endElementNs = onEnd;
    sax.characters = onCharacters;
    sax.cdataBlock = onCharacters;
    sax.getEntity = onGetEntity;

    std::unique_ptr<xmlParserCtxt, ParserFree> parser(
        xmlCreateMemoryParserCtxt(bytes.constData(), int(bytes.size())));
    if (!parser) {
        *error = QStringLiteral("ошибка разметки XML в строке 1, столбце 1");
        return false;
    }
    // The context's handler is replaced by ours; libxml2 frees it with the context.
    auto* own = static_cast<xmlSAXHandler*>(xmlMalloc(sizeof sax));
    if (!own) {
        *error = QStringLiteral("не хватило памяти для разбора файла");
        return false;
    }
    std::memcpy(own, &sax, sizeof sax);
    xmlFree(parser->sax);
    parser->sax = own;
    // No XML_PARSE_NOENT, no XML_PARSE_DTDLOAD, no XML_PARSE_HUGE.
    xmlCtxtUseOptions(parser.get(), XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
    ReadState state{&handler};
    parser->_private = &state;

    xmlParseDocument(parser.get());
    if (state.doctype) {
        *error = QStringLiteral("файл содержит объявление типа документа, которое не допускается");
        return false;
    }
    if (!parser->wellFormed) {
        const xmlError* last = xmlCtxtGetLastError(parser.get());
        *error = QStringLiteral("ошибка разметки XML в строке %1, столбце %2")
                     .arg(last ? last->line : 0)
                     .arg(last ? last->int2 : 0);
        return false;
    }
    return true;
}
