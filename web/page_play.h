#ifndef PRISMORA_WEB_PAGE_PLAY_H_
#define PRISMORA_WEB_PAGE_PLAY_H_

// Plays the game on the web page: its text goes to the page (PageOutput), and standard input is
// the lines the player sends from the page's text box, each waited for without blocking the
// browser (asyncify). The game is kept in the browser's storage after every move and goes on
// when the page is opened again (PlayKeepingTheGame). Tells the page when the game has ended,
// and returns its exit status.
int PlayOnPage();

#endif  // PRISMORA_WEB_PAGE_PLAY_H_
